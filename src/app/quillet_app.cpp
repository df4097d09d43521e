#include "app/quillet_app.h"

#include "controls/layout_view.h"
#include "format/load_formats.h"
#include "pages/font_page.h"
#include "pages/layout_page.h"
#include "pages/print_page.h"
#include "pages/program_folder.h"
#include "pages/selection_page.h"
#include "pages/start_page.h"
#include "pages/text_page.h"
#include "render/sheet_views.h"
#include "res/resource_ids.h"
#include "wizard/message_box.h"

#include <QPointer>

CQuilletApp::~CQuilletApp()
{
    while (!m_pages.empty())
        m_pages.pop_back();
    m_wizard.reset();
    g_pStartPage = nullptr;
}

void CQuilletApp::CreateWizard()
{
    m_wizard = std::make_unique<CQuilletDlg>();
    CQuilletDlg* sheet = m_wizard.get();
    RegisterProgramViews(sheet);
    auto start = std::make_unique<CPageBeginningDlg>(sheet);
    g_pStartPage = start.get();
    m_pages.push_back(std::move(start));
    m_pages.push_back(std::make_unique<CPage10Dlg>(sheet));
    m_pages.push_back(std::make_unique<CPage200Dlg>(sheet));
    m_pages.push_back(std::make_unique<CPage300Dlg>(sheet));
    m_pages.push_back(std::make_unique<CPage400Dlg>(sheet));
    m_pages.push_back(std::make_unique<CPage500Dlg>(sheet));
    m_pages.push_back(std::make_unique<CPage2000Dlg>(sheet));
    m_pages.push_back(std::make_unique<CPage3000Dlg>(sheet));
    m_pages.push_back(std::make_unique<CPage4000Dlg>(sheet));
    m_pages.push_back(std::make_unique<CPage5000Dlg>(sheet));
    const int templates[] = {kIddStart,         kIddSelection,   kIddOrvanelLayout, kIddOrvanelFont, kIddOrvanelText,
                             kIddOrvanelPrint,  kIddZolviLayout, kIddZolviFont,     kIddZolviText,   kIddZolviPrint};
    for (std::size_t i = 0; i < m_pages.size(); ++i)
        sheet->AddPage(m_pages[i].get(), templates[i]);
}

CWizardPageDlg* CQuilletApp::Page(int templateId) const
{
    return m_wizard ? m_wizard->FindPage(templateId) : nullptr;
}

int CQuilletApp::InitInstance(const std::vector<std::string>& args)
{
    CreateWizard();
    if (args.size() == 2 && args[0] == "--sheet")
        m_wizard->SetStartSheet(args[1]);
    else if (!args.empty())
        g_strOpenPath = args.front();
    if (!LoadProgramFormats(m_wizard->m_labelSheets)) {
        ShowMessage(nullptr, MissingPathMessage(g_strDataDir));
        return 0;
    }
    m_wizard->OnInitDialog();
    m_wizard->exec();
    return 0;
}

namespace {

// The sheet-selection picture: the chosen sheet of the wizard's design kind, once a code is chosen.
void DrawSelectionView(const CWizardSheetDlg* wizard, QPainter& painter, const ViewFrame& view)
{
    if (g_strCurCode.empty())
        return;
    const PictureFrame frame{view.pictureSize, view.memorySize, view.clientSize, true};
    if (wizard->m_nKind == kKindOrvanel)
        DrawOrvanelSelection(painter, frame, CSealFormat::Orvanel());
    else if (wizard->m_nKind == kKindZolvi)
        DrawZolviSelection(painter, frame, CSealFormat::Zolvi(), CurrentLook());
}

}  // namespace

void RegisterProgramViews(const CWizardSheetDlg* wizard)
{
    const QPointer<const CWizardSheetDlg> owner(wizard);
    RegisterLayoutView(kIdcSheetPicture, {[owner](QPainter& painter, const ViewFrame& view) {
                                              if (owner)
                                                  DrawSelectionView(owner, painter, view);
                                          },
                                          ViewCopy::BorderWhenFlagged});
}
