#include "wizard/wizard_sheet.h"

#include "res/dialog_template.h"
#include "res/look.h"
#include "res/resource_ids.h"
#include "wizard/design_history.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QShortcut>

#include <algorithm>

namespace {
constexpr int kOrvanelTextPosition = 4;  // fifth in the page list
constexpr int kZolviTextPosition = 8;    // ninth
}  // namespace

CWizardSheetDlg::CWizardSheetDlg(int templateId, QWidget* parent)
    : QDialog(parent), m_history(new DesignHistory(this))
{
    if (const DialogTemplate* dialog = FindDialogTemplate(templateId)) {
        m_controls = BuildControls(this, *dialog);
        m_designedSize = size();
        setMinimumSize(m_designedSize);
    }
    QPalette cream = palette();
    cream.setColor(QPalette::Window, PageColour());
    setPalette(cream);
    if (auto* back = ControlAs<QAbstractButton>(kIdcBack))
        connect(back, &QAbstractButton::clicked, this, &CWizardSheetDlg::Back);
    if (auto* next = ControlAs<QAbstractButton>(kIdcNext))
        connect(next, &QAbstractButton::clicked, this, &CWizardSheetDlg::Next);
    if (auto* exit = ControlAs<QAbstractButton>(kIdcExit))
        connect(exit, &QAbstractButton::clicked, this, &CWizardSheetDlg::reject);
    SetUpHistoryKeys();
    qApp->installEventFilter(this);
}

void CWizardSheetDlg::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    if (m_designedSize.isEmpty())
        return;
    const QSize room = size() - m_designedSize;
    const QPoint offset(std::max(0, room.width() / 2), std::max(0, room.height() / 2));
    const QPoint shift = offset - m_contentOffset;
    if (shift.isNull())
        return;
    for (QWidget* child : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (!child->isWindow())
            child->move(child->pos() + shift);
    m_contentOffset = offset;
}

// The history's keys and buttons act on the design pages only.
void CWizardSheetDlg::StepHistory(bool undo)
{
    CWizardPageDlg* active = GetActivePage();
    if (!active || !active->HasDesignHistory())
        return;
    if (undo)
        m_history->Undo();
    else
        m_history->Redo();
}

void CWizardSheetDlg::SetUpHistoryKeys()
{
    const auto undo = [this] { StepHistory(true); };
    const auto redo = [this] { StepHistory(false); };
    connect(new QShortcut(QKeySequence::Undo, this), &QShortcut::activated, this, undo);
    for (const QKeySequence& keys : {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)})
        connect(new QShortcut(keys, this), &QShortcut::activated, this, redo);
    if (auto* button = ControlAs<QAbstractButton>(kIdcUndo))
        connect(button, &QAbstractButton::clicked, this, undo);
    if (auto* button = ControlAs<QAbstractButton>(kIdcRedo))
        connect(button, &QAbstractButton::clicked, this, redo);
    QUndoStack& stack = m_history->Stack();
    connect(&stack, &QUndoStack::indexChanged, this, &CWizardSheetDlg::ShowHistoryButtons);
    connect(&stack, &QUndoStack::cleanChanged, this, &CWizardSheetDlg::ShowHistoryButtons);
    ShowHistoryButtons();
}

void CWizardSheetDlg::ShowHistoryButtons()
{
    const CWizardPageDlg* active = GetActivePage();
    const bool shown = active && active->HasDesignHistory();
    const QUndoStack& stack = m_history->Stack();
    struct Side {
        int id;
        bool can;
        const char* verb;
        QString what;
    };
    const Side sides[] = {{kIdcUndo, stack.canUndo(), "元に戻す", stack.undoText()},
                          {kIdcRedo, stack.canRedo(), "やり直す", stack.redoText()}};
    for (const Side& side : sides) {
        QWidget* button = Control(side.id);
        if (!button)
            continue;
        button->setVisible(shown);
        button->setEnabled(side.can);
        button->setToolTip(side.can ? QString::fromUtf8(side.verb) + QStringLiteral(": ") + side.what
                                    : QString::fromUtf8(side.verb));
    }
}

void CWizardSheetDlg::ShowDesignStep(int templateId, int sticker)
{
    if (sticker >= 0)
        (m_nKind == kKindZolvi ? static_cast<SealDataCommon&>(CSealFormat::Zolvi())
                               : static_cast<SealDataCommon&>(CSealFormat::Orvanel()))
            .m_nCurPiece = sticker;
    CWizardPageDlg* active = GetActivePage();
    CWizardPageDlg* page = FindPage(templateId);
    if (!page || page == active) {
        if (active)
            active->OnDesignRestored();
        return;
    }
    const bool forward = IndexOf(page) > IndexOf(active);
    if (!ActivatePage(page))
        return;
    if (forward)
        UpdateButtonsAfterNext(page);
    else
        UpdateButtonsAfterBack(page);
}

void CWizardSheetDlg::AddPage(CWizardPageDlg* page, int templateId)
{
    page->m_nTemplateId = templateId;
    m_pages.push_back(page);
}

CWizardPageDlg* CWizardSheetDlg::GetActivePage() const
{
    for (CWizardPageDlg* page : m_pages)
        if (page->m_bActive)
            return page;
    return nullptr;
}

CWizardPageDlg* CWizardSheetDlg::FindPage(int templateId) const
{
    for (CWizardPageDlg* page : m_pages)
        if (page->m_nTemplateId == templateId)
            return page;
    return nullptr;
}

int CWizardSheetDlg::IndexOf(const CWizardPageDlg* page) const
{
    for (int i = 0; i < PageCount(); ++i)
        if (m_pages[i] == page)
            return i;
    return -1;
}

CWizardPageDlg* CWizardSheetDlg::PageAt(int index) const
{
    return index >= 0 && index < PageCount() ? m_pages[index] : nullptr;
}

bool CWizardSheetDlg::ActivatePage(CWizardPageDlg* page)
{
    if (!page->m_bCreated) {
        if (!page->CreatePage(this))
            return false;
        page->m_bCreated = 1;
        page->m_pSheet = this;
        if (!page->OnCreatePage())
            return false;
    }
    m_history->Settle();
    if (CWizardPageDlg* active = GetActivePage()) {
        if (!active->OnKillActive())
            return false;
        active->hide();
        active->m_bActive = 0;
    }
    if (QWidget* placeholder = Control(m_nPlaceholderId))
        page->move(placeholder->pos());
    page->setEnabled(true);
    page->show();
    page->update();
    page->OnSetActive();
    page->m_bActive = 1;
    ShowHistoryButtons();
    return true;
}

void CWizardSheetDlg::ShowStep(int n)
{
    for (int id : kIdcSteps)
        if (QWidget* picture = Control(id))
            picture->hide();
    if (n >= 1 && n <= 5)
        if (QWidget* picture = Control(kIdcSteps[n - 1]))
            picture->show();
}

CWizardPageDlg* CWizardSheetDlg::GetFinishPage() const
{
    if (m_nKind == kKindOrvanel)
        return FindPage(kIddOrvanelPrint);
    if (m_nKind == kKindZolvi)
        return FindPage(kIddZolviPrint);
    return nullptr;
}

void CWizardSheetDlg::ShowBack(bool on)
{
    if (QWidget* back = Control(kIdcBack)) {
        back->setVisible(on);
        back->setEnabled(on);
    }
}

void CWizardSheetDlg::ShowNext(bool on)
{
    if (QWidget* next = Control(kIdcNext)) {
        next->setVisible(on);
        next->setEnabled(on);
    }
}

void CWizardSheetDlg::EnableNext(bool on)
{
    if (QWidget* next = Control(kIdcNext))
        next->setEnabled(on);
}

void CWizardSheetDlg::ShowExit(bool on)
{
    if (QWidget* exit = Control(kIdcExit)) {
        exit->setVisible(on);
        exit->setEnabled(on);
    }
}

CWizardPageDlg* CWizardSheetDlg::Resolve(int target, int step) const
{
    if (target == -1)
        return nullptr;
    if (target == 0)
        return PageAt(IndexOf(GetActivePage()) + step);
    return FindPage(target);
}

void CWizardSheetDlg::Next()
{
    CWizardPageDlg* active = GetActivePage();
    if (!active)
        return;
    CWizardPageDlg* page = Resolve(active->OnWizardNext(), +1);
    if (!page || !ActivatePage(page))
        return;
    UpdateButtonsAfterNext(page);
}

void CWizardSheetDlg::UpdateButtonsAfterNext(CWizardPageDlg* page)
{
    if (page == GetFinishPage()) {
        ShowNext(false);
        ShowExit(true);
        return;
    }
    ShowNext(true);
    const int position = IndexOf(page);
    if (position == kOrvanelTextPosition)
        EnableNext(CSealFormat::Orvanel().HasAnyText());
    else if (position == kZolviTextPosition)
        EnableNext(CSealFormat::Zolvi().HasAnyText());
    ShowExit(true);
    ShowBack(true);
}

void CWizardSheetDlg::Back()
{
    CWizardPageDlg* active = GetActivePage();
    if (!active)
        return;
    CWizardPageDlg* page = Resolve(active->OnWizardBack(), -1);
    if (!page || !ActivatePage(page))
        return;
    UpdateButtonsAfterBack(page);
}

void CWizardSheetDlg::UpdateButtonsAfterBack(CWizardPageDlg* page)
{
    if (IndexOf(page) == 0) {
        ShowBack(false);
        ShowNext(false);
        ShowExit(false);
        return;
    }
    // The selection page comes back with no sheet chosen, unless it kept the one written on.
    if (page->m_nTemplateId == kIddSelection)
        EnableNext(m_nKind != kKindNone);
    else
        ShowNext(true);
    ShowExit(true);
}

void CWizardSheetDlg::OnInitDialog()
{
    StartWizard();
}

void CWizardSheetDlg::StartWizard()
{
    if (CWizardPageDlg* active = GetActivePage()) {
        active->OnKillActive();
        active->hide();
        active->m_bActive = 0;
    }
    ShowBack(false);
    ShowNext(false);
    ShowExit(false);
    if (!m_pages.empty())
        ActivatePage(m_pages.front());
}

void CWizardSheetDlg::reject()
{
    if (!CloseQuestion())
        return;
    CancelWizard();
}

void CWizardSheetDlg::CancelWizard()
{
    for (CWizardPageDlg* page : m_pages)
        if (page->m_bCreated && !page->OnQueryCancel())
            return;
    QDialog::reject();
    DestroyPages();
}

void CWizardSheetDlg::DestroyPages()
{
    for (CWizardPageDlg* page : m_pages) {
        if (!page->m_bCreated)
            continue;
        if (!page->OnKillActive())
            return;
        page->OnDestroyPage();
        page->DestroyPage();
    }
}

// Key-downs are delivered as usual; a Tab meant for the Zolvi text page is also handed to the page.
// A click or a Tab ends the typing step: what is typed next is a step of its own.
bool CWizardSheetDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress)
        m_history->Settle();
    if (event->type() != QEvent::KeyPress || m_bForwardingKey)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    auto* widget = qobject_cast<QWidget*>(watched);
    CWizardPageDlg* active = GetActivePage();
    const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
    if (tab)
        m_history->Settle();
    if (!tab || !widget || !active || active->m_nTemplateId != kIddZolviText || !isAncestorOf(widget))
        return false;
    m_bForwardingKey = true;
    active->OnKeyDown(Qt::Key_Tab, key->modifiers());
    m_bForwardingKey = false;
    return false;
}

QWidget* CWizardSheetDlg::Control(int id) const
{
    auto found = m_controls.find(id);
    return found == m_controls.end() ? nullptr : found->second;
}

QPrinter& CWizardSheetDlg::KeptPrinter()
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}
