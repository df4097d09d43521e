#include "pages/start_page.h"

#include "controls/button_st.h"
#include "controls/image_font_static.h"
#include "format/load_formats.h"
#include "pages/design_commands.h"
#include "pages/program_folder.h"
#include "platform/cp932.h"
#include "res/look.h"
#include "res/resource_ids.h"
#include "update/update_result.h"
#include "update/update_start.h"
#include "wizard/design_history.h"
#include "wizard/message_box.h"
#include "wizard/wizard_sheet.h"

#include <QDesktopServices>
#include <QPointer>
#include <QUrl>

CPageBeginningDlg* g_pStartPage = nullptr;

namespace {
constexpr char kTitleFile[] = "BeginingTilteLog.bmp";
constexpr int kCheckTimerMs = 50;
}  // namespace

std::string MissingTitleMessage(const std::string& path)
{
    return "起動画面の画像\n" + path + "\nが存在しません";
}

CPageBeginningDlg::CPageBeginningDlg(CWizardSheetDlg* sheet) : CWizardPageDlg(sheet)
{
    m_checkTimer.setInterval(kCheckTimerMs);
}

bool CPageBeginningDlg::OnInitDialog()
{
    CWizardPageDlg::OnInitDialog();
    SetButtonPictures();
    connect(ControlAs<CButtonST>(kIdcNewDesign), &CButtonST::clicked, this, &CPageBeginningDlg::NewDesign);
    connect(ControlAs<CButtonST>(kIdcOpenDesign), &CButtonST::clicked, this, [this] { OnOpenDesign(this); });
    connect(ControlAs<CButtonST>(kIdcStartExit), &CButtonST::clicked, m_pSheet, &CWizardSheetDlg::reject);
    connect(ControlAs<CButtonST>(kIdcSupport), &CButtonST::clicked, this, &CPageBeginningDlg::OpenSupportPage);
    StartSettingsStep();
    return true;
}

void CPageBeginningDlg::SetButtonPictures()
{
    const QRgb cream = PageColour().rgb();
    ControlAs<CButtonST>(kIdcNewDesign)->SetBitmaps(kBmpNewButton, cream);
    ControlAs<CButtonST>(kIdcOpenDesign)->SetBitmaps(kBmpOpenButton, cream);
    ControlAs<CButtonST>(kIdcStartExit)->SetBitmaps(kBmpExitButton, cream);
    auto* support = ControlAs<CButtonST>(kIdcSupport);
    support->SetBitmaps(kBmpSupportButton, cream);
    support->SetColours(Qt::black, Qt::black, Qt::black);
}

// The update check reports from its own thread, after the installer has finished, and waits until
// the page has handled the result.
void CPageBeginningDlg::StartSettingsStep()
{
    UpdateCheckEnvironment environment;
    environment.settingsFile = Folders().SettingsFile();
    environment.downloadFolder = UpdateDownloadFolder();
    environment.sheetsFolder = UpdateSheetsFolder();
    environment.installer = UpdateInstaller();
    environment.report = [page = QPointer<CPageBeginningDlg>(this)](int result) {
        if (page)
            QMetaObject::invokeMethod(page, "onUpdateResult", Qt::BlockingQueuedConnection, Q_ARG(int, result));
    };
    environment.notice = [page = QPointer<CPageBeginningDlg>(this)](const std::string& message) {
        if (page)
            QMetaObject::invokeMethod(
                page, [page, message] { ShowMessageLater(page, message, QStringLiteral("Zolvi２")); },
                Qt::QueuedConnection);
    };
    const SettingsStepOutcome outcome = StartUpdateCheck(environment);
    m_strSupportUrl = outcome.supportUrl;
    if (outcome.checkStarted)
        m_checkTimer.start();
    if (!outcome.notice.empty())
        ShowMessageLater(this, cp932::ToUtf8(outcome.notice), QString::fromStdString(cp932::ToUtf8(outcome.noticeCaption)));
}

void CPageBeginningDlg::OnSetActive()
{
    const std::filesystem::path title = ProgramFolder() / kTitleFile;
    std::error_code ignored;
    if (!std::filesystem::exists(title, ignored))
        ShowMessageLater(this, MissingTitleMessage(title.u8string()), QStringLiteral("Zolvi２"));
    ControlAs<CImageFontStatic>(kIdcTitlePicture)->LoadFile(ToQString(title));
    Control(kIdcTitlePicture)->update();
    Control(kIdcSupport)->raise();
    Control(kIdcSupport)->update();
    m_pSheet->m_nKind = kKindNone;
    m_pSheet->ShowStep(0);
}

// The old design goes first, so that the sheet list does not keep its sheet chosen.
void CPageBeginningDlg::NewDesign()
{
    ResetDesign();
    CurrentDesignFile().clear();
    m_pSheet->History().Reset(kKindNone);
    m_pSheet->Next();
    m_pSheet->EnableNext(false);
}

void CPageBeginningDlg::OpenSupportPage()
{
    QDesktopServices::openUrl(QUrl(QString::fromStdString(m_strSupportUrl)));
}

void CPageBeginningDlg::onUpdateResult(int result)
{
    UpdateResultHooks hooks;
    hooks.stopCheckTimer = [this] { m_checkTimer.stop(); };
    hooks.setFormatsChanged = [this] { m_pSheet->m_bRefreshList = 1; };
    hooks.reloadCatalog = [this] { ReloadCatalog(); };
    HandleUpdateResult(result, hooks);
}

void CPageBeginningDlg::ReloadCatalog()
{
    ClearCatalog();
    if (!LoadProgramFormats(m_pSheet->m_labelSheets))
        ShowMessage(nullptr, MissingPathMessage(g_strDataDir));
}
