#include "InvoiceEntryWindow.h"
#include "Desktop.h"
#include "TextLengths.h"
#include "Twips.h"
#include "Ui.h"
#include "mdlVelmora.h"
#include <QDateEdit>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

bool isEnter(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

QString zero()
{
    return QStringLiteral("0.00");
}

} // namespace

namespace InvoiceKit {

QString name(const char *latin1)
{
    return QString::fromLatin1(latin1);
}

InvoiceBox place(const char *name, const char *label, InvoiceBox::Kind kind, int row, int column, int span)
{
    InvoiceBox b;
    b.name = QString::fromLatin1(name);
    b.label = QString::fromLatin1(label);
    b.kind = kind;
    b.row = row;
    b.column = column;
    b.span = span;
    return b;
}

InvoiceBox amount(const char *name, const char *label, int row, int column, bool filtered, InvoiceBox::Reset onNew)
{
    InvoiceBox b = place(name, label, InvoiceBox::Kind::Amount, row, column);
    b.footer = true;
    if (filtered)
        b.numeric = NumericKeySettings{12, 2, 1, false};
    b.onNew = onNew;
    return b;
}

InvoiceEnter enter(const char *from, const QString &to, InvoiceEnter::Refuse refuse, const char *refusal)
{
    return {QString::fromLatin1(from), to, refuse, QString::fromLatin1(refusal)};
}

Decimal number(const QLineEdit *box)
{
    return Decimal::fromText(box->text());
}

Decimal number(const QString &text)
{
    return Decimal::fromText(text);
}

} // namespace InvoiceKit

InvoiceEntryWindow::InvoiceEntryWindow(InvoiceWindowConfig config, QWidget *parent)
    : RecordWindow(parent), m_config(std::move(config))
{
    build();
}

InvoiceEntryWindow::~InvoiceEntryWindow() = default;

QString InvoiceEntryWindow::notStoredMessage()
{
    return QStringLiteral("This Invoice Is Not Saved in This Unit.   ");
}

bool InvoiceEntryWindow::refuseTextTooLong()
{
    tellTextTooLong();
    return false;
}

QWidget *InvoiceEntryWindow::makeBox(const InvoiceBox &b)
{
    QWidget *w = nullptr;
    switch (b.kind) {
    case InvoiceBox::Kind::Date: {
        auto *d = new QDateEdit(this);
        d->setCalendarPopup(true);
        d->setLocale(QLocale::c());
        d->setDisplayFormat(QStringLiteral("dd-MMM-yyyy"));
        d->setDate(today());
        w = d;
        break;
    }
    case InvoiceBox::Kind::Label: {
        auto *l = new QLabel(this);
        l->setFrameShape(QFrame::Panel);
        l->setFrameShadow(QFrame::Sunken);
        w = l;
        break;
    }
    case InvoiceBox::Kind::Lookup: {
        auto *l = new LookupBox(this);
        l->setShows(LookupBox::Shows::Code);
        w = l;
        break;
    }
    default: {
        auto *e = new QLineEdit(this);
        if (b.kind == InvoiceBox::Kind::Name)
            e->setReadOnly(true);
        if (b.kind == InvoiceBox::Kind::Amount)
            e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        if (b.numeric)
            installNumericKey(e, *b.numeric);
        if (b.limit)
            connect(e, &QLineEdit::textChanged, this, [this, e, b] {
                if (!m_clearing)
                    limitCheck(e, b);
            });
        else if (b.totalsOnChange)
            connect(e, &QLineEdit::textChanged, this, [this, e] {
                // The keystroke that took a total beyond the range is taken back.
                if (!m_clearing && !recalculate())
                    e->undo();
            });
        w = e;
        break;
    }
    }
    w->setObjectName(b.name);
    if (b.colour.isValid() || b.bold) {
        QFont f = w->font();
        f.setBold(b.bold);
        w->setFont(f);
        if (b.colour.isValid()) {
            // Only while the box takes input: a disabled box greys like the
            // others, so the view state never looks editable.
            QPalette p = w->palette();
            for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive}) {
                p.setColor(g, QPalette::Text, b.colour);
                p.setColor(g, QPalette::WindowText, b.colour);
            }
            w->setPalette(p);
        }
    }
    if (b.input)
        m_inputs << w;
    if (b.selectOnEntry)
        selectTextOnEntry({w});
    m_controls.insert(b.name, w);
    return w;
}

void InvoiceEntryWindow::build()
{
    setCaption(m_config.caption);
    setFunctionKeys({});

    auto *layout = new QVBoxLayout(this);
    Label3 = makeTitleLabel(m_config.caption, QStringLiteral("Label3"), this);
    layout->addWidget(Label3);

    auto *header = new QGridLayout;
    auto *footer = new QGridLayout;
    for (const InvoiceBox &b : std::as_const(m_config.boxes)) {
        QGridLayout *area = b.footer ? footer : header;
        QWidget *w = makeBox(b);
        if (b.width > 0)
            w->setFixedWidth(twipsToPixels(b.width));
        if (b.stretch)
            area->setColumnStretch(2 * b.column + 1, 1);
        if (!b.label.isEmpty()) {
            auto *l = new QLabel(b.label, this);
            l->setBuddy(w);
            area->addWidget(l, b.row, 2 * b.column);
        }
        if (b.name == m_config.invoiceNoBox && m_config.numberCorrection) {
            CmEditInv = makeButton(QStringLiteral("CmEditInv"), QStringLiteral("Edit"), this);
            connect(CmEditInv, &QPushButton::clicked, this, &InvoiceEntryWindow::CmEditInv_Click);
            auto *pair = new QHBoxLayout;
            pair->addWidget(w, 1);
            pair->addWidget(CmEditInv);
            area->addLayout(pair, b.row, 2 * b.column + 1, 1, 2 * b.span - 1);
        } else {
            area->addWidget(w, b.row, 2 * b.column + 1, 1, 2 * b.span - 1);
        }
    }
    layout->addLayout(header);

    for (const InvoiceLookup &lk : std::as_const(m_config.lookups)) {
        auto *code = lookupBox(lk.codeBox);
        if (!code)
            continue;
        QStringList filled{lk.nameBox};
        for (const auto &more : lk.moreBoxes)
            filled << more.first;
        const auto empty = [this, filled] {
            for (const QString &n : filled)
                if (QLineEdit *b = box(n))
                    b->clear();
        };
        connect(code, &QLineEdit::textChanged, this, empty);
        connect(code, &LookupBox::cleared, this, empty);
        const InvoiceLookup copy = lk;
        connect(code, &LookupBox::picked, this, [this, copy](const LookupRow &row) {
            if (QLineEdit *name = box(copy.nameBox))
                name->setText(row.name());
            for (const auto &more : copy.moreBoxes)
                if (QLineEdit *b = box(more.first))
                    b->setText(row.column(more.second));
        });
        code->setLookup([code, make = lk.lookup] { return make(code->text()); });
    }

    GrInvoice = new ItemGrid(m_config.grid, this);
    GrInvoice->setMinimumHeight(twipsToPixels(m_config.gridHeight));
    GrInvoice->setCalculateTotals([this] { CalculateTotals(); });
    GrInvoice->setEntryState([this] { return isEntering(); });
    GrInvoice->setLeaveGrid([this] { focusControl(m_config.leaveGridTo); });
    layout->addWidget(GrInvoice, 1);
    layout->addLayout(footer);

    LbFinalize = new QLabel(this);
    LbFinalize->setObjectName(QStringLiteral("LbFinalize"));
    QFont bold = LbFinalize->font();
    bold.setBold(true);
    LbFinalize->setFont(bold);
    LbFinalize->setStyleSheet(QStringLiteral("color: rgb(128, 0, 0);"));
    CmFinalize = addButton(QStringLiteral("CmFinalize"), QStringLiteral("Finalize"), m_config.finalizeRule,
                           [this] { CmFinalize_Click(); });
    QList<QWidget *> bar{CmNew, CmEdit, CmFinalize, LbFinalize};
    if (!m_config.removeFinalizeButton.isEmpty()) {
        CmRemoveFinalize = addButton(m_config.removeFinalizeButton, QStringLiteral("Remove Finalize"),
                                     ButtonRule::Untouched, [this] { CmRemoveFinalize_Click(); });
        bar << CmRemoveFinalize;
    }
    for (const InvoiceBarItem &item : std::as_const(m_config.barItems)) {
        QWidget *w = nullptr;
        if (item.isLabel) {
            auto *l = new QLabel(this);
            l->setObjectName(item.name);
            l->setFont(bold);
            l->setStyleSheet(LbFinalize->styleSheet());
            w = l;
        } else {
            w = addButton(item.name, item.caption, item.rule, {});
        }
        m_barItems.insert(item.name, w);
        bar << w;
    }
    bar << CmCancel << CmClose;
    layout->addWidget(makeButtonBar(bar));

    for (const InvoiceEnter &e : std::as_const(m_config.enterChain))
        m_enter.insert(e.from, e);
    // Installed after the numeric filters, so this window sees Enter first.
    for (QWidget *w : std::as_const(m_controls)) {
        w->removeEventFilter(this);
        w->installEventFilter(this);
    }

    resize(twipsToPixels(m_config.clientArea.width()), twipsToPixels(m_config.clientArea.height()));
    QList<QWidget *> order;
    if (QWidget *first = m_controls.value(m_config.invoiceNoBox))
        order << first;
    order << CmNew << CmEdit << CmClose;
    setFocusOrder(order);
    SetEditMode(false);
}

void InvoiceEntryWindow::formLoad()
{
    for (const InvoiceBox &b : std::as_const(m_config.boxes))
        if (b.zeroOnLoad)
            if (QLineEdit *e = box(b.name))
                e->setText(zero());
    if (!gSelectedCode.isEmpty()) {
        const QString code = gSelectedCode;
        const DbName storesDb = gSelectedDbName.isEmpty() ? gInvDbName : gSelectedDbName;
        gSelectedCode.clear();
        m_loading = true;
        if (storesDb == gInvDbName)
            LoadRecord(code);
        else
            loadRecordFrom(code, storesDb);
        m_loading = false;
    }
}

void InvoiceEntryWindow::loadRecordFrom(const QString &code, const DbName &storesDb)
{
    // A window of the current year only: a database left over from another
    // window's hand-over does not stop its load.
    Q_UNUSED(storesDb);
    LoadRecord(code);
}

void InvoiceEntryWindow::showRecord(const QString &code, const QString &storesDb)
{
    if (isEntering())
        return;
    DbName db;
    if (!guarded([&] { db = storesDb.isEmpty() ? gInvDbName : DbName(storesDb); }))
        return;
    m_loading = true;
    if (db == gInvDbName)
        LoadRecord(code);
    else
        loadRecordFrom(code, db);
    m_loading = false;
    SetEditMode(false);
}

void InvoiceEntryWindow::limitCheck(QLineEdit *e, const InvoiceBox &b)
{
    if (Decimal::fromText(e->text()) > *b.limit) {
        MsgBox(b.limitMessage, MsgButtons::Ok, MsgIcon::Critical);
        // A load or the view state has no place for the clerk's correction.
        if (!m_loading && isEntering() && e->isEnabled())
            e->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (b.totalsOnChange)
        recalculate();
}

bool InvoiceEntryWindow::recalculate()
{
    // Typed amounts whose sum leaves the decimal range are refused, never wrapped.
    return withinRange([this] { CalculateTotals(); });
}

bool InvoiceEntryWindow::boxesWithinLimits() const
{
    for (const InvoiceBox &b : m_config.boxes) {
        const QLineEdit *e = b.limit ? box(b.name) : nullptr;
        if (e && Decimal::fromText(e->text()) > *b.limit)
            return false;
    }
    return true;
}

QPushButton *InvoiceEntryWindow::barButton(const QString &name) const
{
    return qobject_cast<QPushButton *>(m_barItems.value(name));
}

QLabel *InvoiceEntryWindow::barLabel(const QString &name) const
{
    return qobject_cast<QLabel *>(m_barItems.value(name));
}

QLineEdit *InvoiceEntryWindow::box(const QString &name) const
{
    return qobject_cast<QLineEdit *>(m_controls.value(name));
}

QDateEdit *InvoiceEntryWindow::date(const QString &name) const
{
    return qobject_cast<QDateEdit *>(m_controls.value(name));
}

LookupBox *InvoiceEntryWindow::lookupBox(const QString &name) const
{
    return qobject_cast<LookupBox *>(m_controls.value(name));
}

QLabel *InvoiceEntryWindow::label(const QString &name) const
{
    return qobject_cast<QLabel *>(m_controls.value(name));
}

QString InvoiceEntryWindow::transactionId() const
{
    QLabel *serial = label(m_config.serialBox);
    return serial ? serial->text().trimmed() : QString();
}

void InvoiceEntryWindow::focusControl(const QString &name)
{
    if (name == InvoiceWindowConfig::kGrid) {
        openGrid();
        return;
    }
    QWidget *w = m_controls.value(name);
    if (!w)
        w = findChild<QWidget *>(name);
    if (w)
        w->setFocus(Qt::OtherFocusReason);
}

void InvoiceEntryWindow::setEnterAction(const QString &boxName, std::function<void()> action)
{
    m_enterActions.insert(boxName, std::move(action));
}

void InvoiceEntryWindow::openGrid()
{
    GrInvoice->CurRow = 1;
    GrInvoice->CurCol = m_config.grid.keyColumn;
    GrInvoice->MoveEditor();
}

void InvoiceEntryWindow::showFinalized(bool finalized)
{
    LbFinalize->setText(finalized ? m_config.finalizedText : QString());
    if (finalized)
        CmFinalize->setEnabled(false);
}

void InvoiceEntryWindow::resetShown(const std::function<void(const InvoiceBox &)> &reset)
{
    // The lines go first and no box works out a total meanwhile, so no figure
    // of the invoice before survives in a box reset after it.
    GrInvoice->clearRows(m_config.grid.initialRows);
    GrInvoice->RenumberRows();
    m_clearing = true;
    for (const InvoiceBox &b : std::as_const(m_config.boxes)) {
        if (b.kind == InvoiceBox::Kind::Date)
            date(b.name)->setDate(today());
        else
            reset(b);
    }
    m_clearing = false;
    LbFinalize->clear();
}

void InvoiceEntryWindow::ClearFields()
{
    resetShown([this](const InvoiceBox &b) {
        QLineEdit *e = box(b.name);
        if (e && b.onNew != InvoiceBox::Reset::Keep)
            e->setText(b.onNew == InvoiceBox::Reset::Zero ? zero() : QString());
    });
    setCaption(m_config.entryCaption);
}

void InvoiceEntryWindow::clearShown()
{
    resetShown([this](const InvoiceBox &b) {
        if (QLabel *l = label(b.name))
            l->clear();
        else if (QLineEdit *e = box(b.name))
            e->setText(b.kind == InvoiceBox::Kind::Amount ? zero() : QString());
    });
    for (QWidget *w : std::as_const(m_barItems))
        if (auto *l = qobject_cast<QLabel *>(w))
            l->clear();
}

void InvoiceEntryWindow::enableInputs(bool on)
{
    for (QWidget *w : std::as_const(m_inputs))
        w->setEnabled(on);
}

bool InvoiceEntryWindow::readyForNew()
{
    // The id is read before anything changes, so a failing read leaves the window as it was.
    return guarded([&] { m_nextId = nextTransactionId(); });
}

void InvoiceEntryWindow::newStarted()
{
    m_shown.reset();
    if (QLabel *serial = label(m_config.serialBox))
        serial->setText(m_nextId);
    focusControl(m_config.invoiceNoBox);
}

QList<EntryCheck> InvoiceEntryWindow::entryChecks()
{
    QList<EntryCheck> checks;
    for (const InvoiceCheck &c : std::as_const(m_config.saveChecks)) {
        if (c.test == InvoiceCheck::Test::Lines) {
            checks << linesCheck(c.message);
            continue;
        }
        QLineEdit *e = box(c.box);
        if (!e)
            continue;
        EntryCheck check;
        switch (c.test) {
        case InvoiceCheck::Test::Empty: check.fails = [e] { return e->text().isEmpty(); }; break;
        case InvoiceCheck::Test::EmptyTrimmed: check.fails = [e] { return e->text().trimmed().isEmpty(); }; break;
        case InvoiceCheck::Test::Zero: check.fails = [e] { return Decimal::fromText(e->text()).isZero(); }; break;
        case InvoiceCheck::Test::Above:
            check.fails = [e, limit = c.limit] { return Decimal::fromText(e->text()) > limit; };
            break;
        case InvoiceCheck::Test::Lines: break;
        }
        check.message = c.message;
        check.icon = MsgIcon::Critical;
        check.then = [this, focus = c.focus] { focusControl(focus); };
        checks << check;
    }
    return checks;
}

EntryCheck InvoiceEntryWindow::linesCheck(const QString &noLineMessage)
{
    // Built as Save starts, so the gap found now is the one the check reports.
    ItemGrid *g = GrInvoice;
    const std::optional<ItemGrid::LineGap> gap = g->firstGap();
    EntryCheck check;
    check.fails = [gap, g, noLineMessage] { return gap || (!noLineMessage.isEmpty() && g->lineCount() == 0); };
    check.message = gap ? gap->message : noLineMessage;
    check.icon = MsgIcon::Critical;
    check.then = [this, g, gap] {
        if (!gap) {
            openGrid();
            return;
        }
        g->CurRow = gap->row;
        g->CurCol = gap->column;
        g->MoveEditor();
    };
    return check;
}

std::optional<ShownRecord> InvoiceEntryWindow::shownHere() const
{
    if (!m_shown || m_shown->stores != gInvDbName || m_shown->unit != gUnitCode || m_shown->company != gCompCode)
        return std::nullopt;
    return m_shown;
}

std::optional<ShownRecord> InvoiceEntryWindow::shownHereOrRefuse()
{
    std::optional<ShownRecord> shown = shownHere();
    if (!shown)
        MsgBox(notStoredMessage(), MsgButtons::Ok, MsgIcon::Critical);
    return shown;
}

bool InvoiceEntryWindow::editAllowed()
{
    std::optional<bool> finalized;
    if (!guarded([&] { finalized = storedFinalized(); }))
        return false;
    if (!finalized) {
        // A new entry that was cancelled, or another unit's invoice: nothing here to edit.
        MsgBox(notStoredMessage(), MsgButtons::Ok, MsgIcon::Critical);
        return false;
    }
    if (!*finalized)
        return true;
    MsgBox(QStringLiteral("You Cannot Edit Finalized Invoice.   "), MsgButtons::Ok, MsgIcon::Critical);
    // The user id is compared as the number it holds.
    return m_config.adminEditsFinalized && userIdNumber() == kAdminUserId.toLongLong();
}

bool InvoiceEntryWindow::confirmedStore(const QString &question, const std::function<bool()> &store)
{
    if (MsgBox(question, MsgButtons::YesNo, MsgIcon::Question, gCompName) != MsgAnswer::Yes)
        return false;
    bool changed = false;
    if (!guarded([&] { changed = store(); }))
        return false;
    if (!changed)
        MsgBox(notStoredMessage(), MsgButtons::Ok, MsgIcon::Critical);
    return changed;
}

void InvoiceEntryWindow::CmFinalize_Click()
{
    if (!confirmedStore(QStringLiteral("Are you sure you want to Finalize This Invoice?"),
                        [this] { return finalizeStored(); }))
        return;
    CmFinalize->setEnabled(false);
    LbFinalize->setText(m_config.finalizedText);
}

void InvoiceEntryWindow::CmRemoveFinalize_Click()
{
    if (!mayRemoveFinalize())
        return;
    if (!confirmedStore(QStringLiteral("Are you sure you want to Remove Finalize This Invoice?"),
                        [this] { return removeFinalizeStored(); }))
        return;
    // Finalize comes back with the next return to the view state.
    CmFinalize->setEnabled(false);
    LbFinalize->clear();
}

void InvoiceEntryWindow::CmEditInv_Click()
{
    QLineEdit *number = box(m_config.invoiceNoBox);
    if (!CmEditInv || !number)
        return;
    if (CmEditInv->text() == QStringLiteral("Edit")) {
        number->setEnabled(true);
        CmEditInv->setText(QStringLiteral("Save"));
        number->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (number->text().trimmed().isEmpty()) {
        MsgBox(QStringLiteral("Please Enter a Invoice Number.   "), MsgButtons::Ok, MsgIcon::Critical);
        number->setFocus(Qt::OtherFocusReason);
        return;
    }
    bool changed = false;
    if (!guarded([&] { changed = correctStoredNumber(number->text()); }))
        return;
    // The box goes back to what the window's state allows: an entry under way keeps it.
    number->setEnabled(isEntering());
    CmEditInv->setText(QStringLiteral("Edit"));
    if (!changed) {
        MsgBox(notStoredMessage(), MsgButtons::Ok, MsgIcon::Critical);
        return;
    }
    MsgBox(QStringLiteral("Invoice Number Updated"), MsgButtons::Ok, MsgIcon::Information);
}

bool InvoiceEntryWindow::enterKey(QWidget *from)
{
    const auto it = m_enter.constFind(from->objectName());
    if (it == m_enter.cend())
        return false;
    const InvoiceEnter &e = *it;
    if (e.refuse != InvoiceEnter::Refuse::Never) {
        QString text;
        if (auto *line = qobject_cast<QLineEdit *>(from))
            text = line->text();
        const bool refused =
            e.refuse == InvoiceEnter::Refuse::WhenEmpty ? text.isEmpty() : Decimal::fromText(text).isZero();
        if (refused) {
            MsgBox(e.refusal, MsgButtons::Ok, MsgIcon::Critical);
            from->setFocus(Qt::OtherFocusReason);
            return true;
        }
    }
    if (const auto action = m_enterActions.constFind(e.from); action != m_enterActions.cend() && *action)
        (*action)();
    if (!e.to.isEmpty())
        focusControl(e.to);
    return true;
}

bool InvoiceEntryWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched->isWidgetType() && m_controls.value(watched->objectName()) == watched) {
        auto *w = static_cast<QWidget *>(watched);
        if (event->type() == QEvent::KeyPress && isEnter(static_cast<QKeyEvent *>(event)->key())) {
            if (enterKey(w))
                return true;
        }
    }
    return RecordWindow::eventFilter(watched, event);
}
