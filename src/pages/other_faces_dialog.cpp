#include "pages/other_faces_dialog.h"

#include "controls/font_button.h"
#include "controls/font_static.h"
#include "design/seal_format.h"
#include "pages/vertical_faces.h"
#include "platform/cp932.h"
#include "render/font_pool.h"
#include "res/look.h"
#include "res/resource_ids.h"

#include <QComboBox>
#include <QPushButton>

namespace {
constexpr int kPixels = 16;
const char kSampleText[] = "サンプル書体あいABｱｲ";
}  // namespace

CDlgOthers::CDlgOthers(QWidget* page, bool orvanel)
    : CTemplateDialog(kIddOtherFaces, page), m_pPage(page), m_bOrvanel(orvanel)
{
    SetLabel(kIdcFaceCaption, QStringLiteral("★書体の種類を選んでください"),
             Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine);
    SetOkButton(QStringLiteral("決定"));
    auto* sample = ControlAs<CFontStatic>(kIdcFaceSample);
    sample->SetColours(Qt::black, PageColour());
    sample->SetFormat(Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine);
    sample->SetText(QString::fromUtf8(kSampleText));
    auto* list = ControlAs<QComboBox>(kIdcFaceList);
    list->setFont(CaptionFont(13, 400));
    connect(list, &QComboBox::currentIndexChanged, this, &CDlgOthers::OnSelectionChanged);
    // The "OK" of the template would end the dialog before the face is loaded.
    QPushButton* ok = ControlAs<QPushButton>(kIdOk);
    disconnect(ok, &QPushButton::clicked, nullptr, nullptr);
    connect(ok, &QPushButton::clicked, this, &CDlgOthers::OnOk);
    FillFaces(InstalledVerticalFaces());
}

void CDlgOthers::FillFaces(const QStringList& faces)
{
    auto* list = ControlAs<QComboBox>(kIdcFaceList);
    {
        const QSignalBlocker quiet(list);
        list->clear();
        list->addItems(faces);
        const QString previous = QString::fromStdString(cp932::ToUtf8(CSealFormat::OtherFace()));
        const int index = previous.isEmpty() ? -1 : list->findText(previous);
        list->setCurrentIndex(index >= 0 ? index : (faces.isEmpty() ? -1 : 0));
    }
    m_strChosen = list->currentText();
    ShowSample(m_strChosen);
    // Without a face to pick, OK would clear the design's Japanese text face.
    ControlAs<QPushButton>(kIdOk)->setEnabled(!faces.isEmpty());
}

void CDlgOthers::OnSelectionChanged()
{
    m_strChosen = ControlAs<QComboBox>(kIdcFaceList)->currentText();
    ShowSample(m_strChosen);
}

void CDlgOthers::ShowSample(const QString& face)
{
    QFont font = face.isEmpty() ? CaptionFont(kPixels, 400) : QFont(face);
    font.setPixelSize(kPixels);
    font.setWeight(QFont::Normal);
    ControlAs<CFontStatic>(kIdcFaceSample)->CreateFont(font);
}

void CDlgOthers::OnOk()
{
    m_strChosen = ControlAs<QComboBox>(kIdcFaceList)->currentText();
    CSealFormat::OtherFace() = cp932::FromUtf8(m_strChosen.toStdString());
    g_fontPool.CreateOther(CSealFormat::OtherFace());
    const QString sampleName = QString::number(m_bOrvanel ? kIdcSample : kIdcZolviFontSample);
    if (QWidget* sample = m_pPage ? m_pPage->findChild<QWidget*>(sampleName) : nullptr)
        sample->update();
    done(1);
}
