#include "frmCompanyMaster.h"
#include "Twips.h"
#include "mdlVelmora.h"
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmCompanyMaster::frmCompanyMaster(QWidget *parent) : RecordWindow(parent)
{
    setObjectName(QStringLiteral("frmCompanyMaster"));
    setCaption(QStringLiteral("Company Master"));

    auto *outer = new QVBoxLayout(this);
    auto *title = makeTitleLabel(QStringLiteral("Company Master"), QStringLiteral("LbTitle"), this);
    outer->addWidget(title);

    auto *fields = new QGridLayout;
    const struct {
        QLineEdit **box;
        const char *name;
        const char *label;
    } rows[] = {
        {&m_txCompanyCode, "TxCompanyCode", "Company Code"},
        {&m_txCompanyName, "TxCompanyName", "Company Name"},
        {&m_txAddress, "TxAddress", "Address"},
        {&m_txAddress1, "TxAddress1", "Address 1"},
        {&m_txAddress2, "TxAddress2", "Address 2"},
        {&m_txAddress3, "TxAddress3", "Address 3"},
        {&m_txPhone, "TxPhone", "Phone"},
        {&m_txFax, "TxFax", "Fax"},
        {&m_txEmail, "TxEmail", "E-mail"},
        {&m_txTin, "TxTin", "TIN"},
        {&m_txVat, "TxVat", "VAT"},
    };
    int line = 0;
    for (const auto &r : rows) {
        const QString name = QString::fromLatin1(r.name);
        auto *label = new QLabel(QString::fromLatin1(r.label), this);
        label->setObjectName(QStringLiteral("Lb") + name.mid(2));
        auto *box = new QLineEdit(this);
        box->setObjectName(name);
        label->setBuddy(box);
        fields->addWidget(label, line, 0);
        if (line == 0) {
            box->setFixedWidth(twipsToPixels(1600));
            fields->addWidget(box, line, 1, Qt::AlignLeft);
        } else {
            fields->addWidget(box, line, 1);
        }
        *r.box = box;
        m_boxes << box;
        ++line;
    }
    fields->setColumnStretch(1, 1);
    // Each box holds what its column holds.
    limitBoxes([] { return CompanyStore(gConnection, gInvDbName).boxLengths(); });
    outer->addLayout(fields);

    outer->addWidget(makeButtonBar({CmNew, CmEdit, CmCancel, CmClose, nullptr}));

    QList<QWidget *> order(m_boxes.cbegin(), m_boxes.cend());
    order << CmNew << CmEdit << CmCancel << CmClose;
    setTabChain(order);

    resize(sizeHint());
    enterMovesToNextField();
    selectTextOnEntry();

    // Load: the company handed over by the list, if any.
    if (!gSelectedCode.isEmpty())
        LoadRecord(gSelectedCode);
}

frmCompanyMaster::~frmCompanyMaster() = default;

QSize frmCompanyMaster::sizeHint() const
{
    const QSize designed(twipsToPixels(8055), twipsToPixels(5160));
    return designed.expandedTo(minimumSizeHint());
}

void frmCompanyMaster::newStarted()
{
    m_txCompanyCode->setFocus(Qt::OtherFocusReason);
}

QList<EntryCheck> frmCompanyMaster::entryChecks()
{
    // An edit is not checked here; for a new company only a box without any
    // character is refused, blanks pass.
    if (editMode())
        return {};
    return {
        emptyBoxCheck(m_txCompanyName, QStringLiteral("Please enter the Company name.   ")),
        emptyBoxCheck(m_txAddress, QStringLiteral("Please Enter the address.   ")),
        emptyBoxCheck(m_txAddress1, QStringLiteral("Please Enter the address.   ")),
    };
}

Company frmCompanyMaster::gatherFields() const
{
    Company c;
    c.code = m_txCompanyCode->text();
    c.name = m_txCompanyName->text();
    c.address = m_txAddress->text();
    c.address1 = m_txAddress1->text();
    c.address2 = m_txAddress2->text();
    c.address3 = m_txAddress3->text();
    c.phone = m_txPhone->text();
    c.fax = m_txFax->text();
    c.email = m_txEmail->text();
    c.tin = m_txTin->text();
    c.vat = m_txVat->text();
    return c;
}

bool frmCompanyMaster::SaveNew()
{
    const Company c = gatherFields();
    CompanyStore store(gConnection, gInvDbName);
    // The clash check runs inside the save, so two stations can never both pass it.
    bool added = false;
    if (!guarded([&] { added = store.addCompany(c, userIdNumber()); }))
        return false;
    if (!added) {
        MsgBox(QStringLiteral("The Same Company Already Exists.   "), MsgButtons::Ok, MsgIcon::Information);
        m_txCompanyName->setFocus(Qt::OtherFocusReason);
        return false;
    }
    m_shownCode = c.code.trimmed();
    m_shownName = c.name;
    return true;
}

bool frmCompanyMaster::SaveEdit()
{
    const Company c = gatherFields();
    // No company on show when the edit began (a new entry turned into an edit): nothing to update.
    std::optional<qint64> matched = 0;
    if (m_editKey
        && !guarded([&] { matched = CompanyStore(gConnection, gInvDbName).editCompany(*m_editKey, c, m_oldName); }))
        return false;
    if (!matched) {
        MsgBox(QStringLiteral("Agent Already Exists.   "), MsgButtons::Ok, MsgIcon::Information);
        return false;
    }
    if (*matched == 0) {
        MsgBox(QStringLiteral("Nothing was changed: the company was not found.   "), MsgButtons::Ok,
               MsgIcon::Information);
        return false;
    }
    m_shownName = c.name;
    return true;
}

void frmCompanyMaster::LoadRecord(const QString &code)
{
    std::optional<Company> found;
    if (!guarded([&] { found = CompanyStore(gConnection, gInvDbName).load(code); }))
        return;
    if (!found)
        return; // no such company: the boxes keep what they held
    m_txCompanyCode->setText(found->code);
    m_txCompanyName->setText(found->name);
    m_txAddress->setText(found->address);
    m_txAddress1->setText(found->address1);
    m_txAddress2->setText(found->address2);
    m_txAddress3->setText(found->address3);
    m_txPhone->setText(found->phone);
    m_txFax->setText(found->fax);
    m_txEmail->setText(found->email);
    m_txTin->setText(found->tin);
    m_txVat->setText(found->vat);
    m_shownCode = found->code;
    m_shownName = found->name;
}

void frmCompanyMaster::enableInputs(bool on)
{
    for (QLineEdit *box : std::as_const(m_boxes))
        box->setEnabled(on);
    // The code of the company being edited cannot change under the update.
    m_txCompanyCode->setReadOnly(on && editMode());
}

void frmCompanyMaster::ClearFields()
{
    for (QLineEdit *box : std::as_const(m_boxes))
        box->clear();
    m_shownCode.reset();
    m_shownName.clear();
}

void frmCompanyMaster::beginEdit()
{
    // The name check must leave out the company's stored name, never text
    // typed over it: a second Edit during an edit keeps its name and key, and
    // an Edit after a cancelled edit (or typing in the freshly loaded window)
    // takes the stored name, not the boxes'. With no company on show there is
    // nothing stored and the box's text serves.
    if (editMode())
        return;
    m_oldName = m_shownCode ? m_shownName : m_txCompanyName->text();
    m_editKey = m_shownCode;
    // The locked code box shows the company the save will change, not a
    // code typed into the freshly loaded window.
    if (m_shownCode)
        m_txCompanyCode->setText(*m_shownCode);
}
