#include "wizard_fixture.h"

#include "controls/quick_list.h"
#include "format/load_formats.h"
#include "pages/program_folder.h"
#include "pages/start_page.h"
#include "res/resource_ids.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <cstdlib>

TempFolder::TempFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "velmaro-gui-XXXXXX").string();
    m_path = mkdtemp(pattern.data());
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

void CopyBundledData(const std::filesystem::path& folder)
{
    const std::filesystem::path source = std::filesystem::u8path(VELMARO_SOURCE_DATA);
    std::filesystem::copy(source / "印刷情報", folder / "印刷情報", std::filesystem::copy_options::recursive);
    std::filesystem::copy_file(source / "BeginingTilteLog.bmp", folder / "BeginingTilteLog.bmp");
}

ModalAnswer::~ModalAnswer()
{
    delete poll;
}

std::unique_ptr<ModalAnswer> ActOnNextModal(std::function<void(QDialog&)> action)
{
    auto answer = std::make_unique<ModalAnswer>();
    answer->poll = new QTimer;
    answer->poll->setInterval(10);
    ModalAnswer* report = answer.get();
    QObject::connect(report->poll, &QTimer::timeout, report->poll, [report, action] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        // The offscreen platform does not always make a new modal dialog the active one.
        for (QWidget* window : QApplication::topLevelWidgets())
            if (!dialog && window->isVisible() && window->isModal())
                dialog = qobject_cast<QDialog*>(window);
        if (!dialog)
            return;
        report->seen = true;
        report->className = QString::fromLatin1(dialog->metaObject()->className());
        if (auto* box = qobject_cast<QMessageBox*>(dialog))
            report->text = box->text();
        report->poll->stop();
        action(*dialog);
    });
    answer->poll->start();
    return answer;
}

std::unique_ptr<ModalAnswer> AnswerNextModal(int result)
{
    return ActOnNextModal([result](QDialog& dialog) { dialog.done(result); });
}

void WizardTest::SetUp()
{
    CopyBundledData(m_folder.path());
}

void WizardTest::StartWizard()
{
    SetProgramFolder(m_folder.path());
    ClearCatalog();
    ASSERT_TRUE(LoadFormats(m_folder.path()));
    CSealFormat::ResetAll();
    g_nLastSelRow = 0;
    g_strOpenPath.clear();
    m_app = std::make_unique<CQuilletApp>();
    m_app->CreateWizard();
    Wizard()->OnInitDialog();
    Wizard()->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Wizard()));
}

void WizardTest::TearDown()
{
    m_app.reset();
    ClearCatalog();
    CSealFormat::ResetAll();
}

CPage10Dlg* WizardTest::Selection() const
{
    return static_cast<CPage10Dlg*>(Page(kIddSelection));
}

int WizardTest::ActiveId() const
{
    CWizardPageDlg* page = Wizard()->GetActivePage();
    return page ? page->m_nTemplateId : 0;
}

bool WizardTest::NextEnabled() const
{
    return Button(kIdcNext)->isEnabled();
}

bool WizardTest::NextVisible() const
{
    return Button(kIdcNext)->isVisible();
}

void WizardTest::ClickControl(QWidget* widget)
{
    ASSERT_NE(widget, nullptr);
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

void WizardTest::ClickPageControl(int templateId, int controlId)
{
    ClickControl(Page(templateId)->Control(controlId));
}

void WizardTest::NewDesign()
{
    ClickPageControl(kIddStart, kIdcNewDesign);
}

int WizardTest::RowOf(const std::string& code) const
{
    const auto& rows = Selection()->Rows();
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (rows[i].m_strCode == code)
            return static_cast<int>(i);
    return -1;
}

void WizardTest::ClickSheet(const std::string& code)
{
    const int row = RowOf(code);
    ASSERT_GE(row, 0) << code;
    CQuickList* list = Selection()->List();
    const QModelIndex index = list->model()->index(row, 0);
    list->scrollTo(index);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
}

void WizardTest::PressNext()
{
    ClickControl(Button(kIdcNext));
}

void WizardTest::PressBack()
{
    ClickControl(Button(kIdcBack));
}
