#include "TextLimit.h"
#include "TextLengths.h"
#include <QLineEdit>
#include <QValidator>

namespace {

// QLineEdit's own maximum counts UTF-16 units and cuts whatever is set into
// it; this counts characters and refuses only an edit that makes a text
// longer than both the limit and what the box held before.
class CharacterLimit : public QValidator {
public:
    explicit CharacterLimit(QLineEdit *box) : QValidator(box), m_box(box)
    {
        m_held = characterCount(box->text());
        QObject::connect(box, &QLineEdit::textChanged, this,
                         [this](const QString &text) { m_held = characterCount(text); });
    }

    void setLimit(int characters) { m_limit = characters; }

    State validate(QString &input, int &) const override
    {
        const int n = characterCount(input);
        if (m_limit <= 0 || n <= m_limit || n <= m_held)
            return Acceptable;
        // setText clears the modified mark before it is checked: a text the
        // program sets is taken whole.
        return m_box->isModified() ? Invalid : Acceptable;
    }

private:
    QLineEdit *m_box;
    int m_limit = 0;
    int m_held = 0;
};

} // namespace

void limitCharacters(QLineEdit *box, int characters)
{
    if (!box)
        return;
    // The box's own maximum would cut a loaded text: it stays open.
    box->setMaxLength(32767);
    auto *limit = box->findChild<CharacterLimit *>(QString(), Qt::FindDirectChildrenOnly);
    if (!limit) {
        limit = new CharacterLimit(box);
        box->setValidator(limit);
    }
    limit->setLimit(characters);
}
