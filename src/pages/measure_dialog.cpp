#include "pages/measure_dialog.h"

#include "format/label_sheet.h"
#include "render/label_sheet_picture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>

namespace {

struct Paper {
    const char* shown;
    const char* id;
    double width;
    double height;
};

// The papers label sheets come on here; any other is entered as その他.
constexpr Paper kPapers[] = {{"A4 (210×297mm)", "A4", 210, 297},
                             {"B5 (182×257mm)", "B5", 182, 257},
                             {"レター (215.9×279.4mm)", "US-Letter", 215.9, 279.4},
                             {"はがき (100×148mm)", "Other", 100, 148},
                             {"その他", "Other", 0, 0}};
constexpr int kOtherPaper = 4;
const QSize kPictureSize(260, 360);

}  // namespace

CMeasureSheetDlg::CMeasureSheetDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("シールを測って登録"));
    BuildFields();
    SetSheet(MeasuredSheet{});
}

QDoubleSpinBox* CMeasureSheetDlg::Length(double value, double largest)
{
    auto* box = new QDoubleSpinBox(this);
    box->setRange(0, largest);
    box->setDecimals(2);
    box->setSingleStep(0.1);
    box->setSuffix(QStringLiteral(" mm"));
    box->setValue(value);
    connect(box, &QDoubleSpinBox::valueChanged, this, &CMeasureSheetDlg::Refresh);
    return box;
}

void CMeasureSheetDlg::BuildFields()
{
    m_name = new QLineEdit(this);
    m_name->setPlaceholderText(QStringLiteral("パッケージの品番など"));
    connect(m_name, &QLineEdit::textChanged, this, &CMeasureSheetDlg::Refresh);
    m_paper = new QComboBox(this);
    for (const Paper& paper : kPapers)
        m_paper->addItem(QString::fromUtf8(paper.shown));
    connect(m_paper, &QComboBox::currentIndexChanged, this, &CMeasureSheetDlg::OnPaperChosen);
    m_paperWidth = Length(210);
    m_paperHeight = Length(297);
    const auto count = [this](int value) {
        auto* box = new QSpinBox(this);
        box->setRange(1, 200);
        box->setValue(value);
        connect(box, &QSpinBox::valueChanged, this, &CMeasureSheetDlg::Refresh);
        return box;
    };
    m_cols = count(2);
    m_rows = count(5);
    m_round = new QCheckBox(QStringLiteral("丸いシール（幅が直径）"), this);
    connect(m_round, &QCheckBox::toggled, this, &CMeasureSheetDlg::Refresh);
    m_width = Length(90);
    m_height = Length(50);
    m_corner = Length(0, 500);
    m_left = Length(10);
    m_top = Length(10);
    m_pitchX = Length(100);
    m_pitchY = Length(55);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("名前（品番）"), m_name);
    form->addRow(QStringLiteral("用紙"), m_paper);
    form->addRow(QStringLiteral("用紙の幅"), m_paperWidth);
    form->addRow(QStringLiteral("用紙の高さ"), m_paperHeight);
    form->addRow(QStringLiteral("列（横に並ぶ数）"), m_cols);
    form->addRow(QStringLiteral("行（縦に並ぶ数）"), m_rows);
    form->addRow(QString(), m_round);
    form->addRow(QStringLiteral("シールの幅"), m_width);
    form->addRow(QStringLiteral("シールの高さ"), m_height);
    form->addRow(QStringLiteral("角の半径"), m_corner);
    form->addRow(QStringLiteral("左の余白"), m_left);
    form->addRow(QStringLiteral("上の余白"), m_top);
    form->addRow(QStringLiteral("横の間隔（ピッチ）"), m_pitchX);
    form->addRow(QStringLiteral("縦の間隔（ピッチ）"), m_pitchY);

    m_picture = new QLabel(this);
    m_picture->setFixedSize(kPictureSize);
    m_picture->setAlignment(Qt::AlignCenter);
    m_problem = new QLabel(this);
    m_problem->setWordWrap(true);
    m_problem->setStyleSheet(QStringLiteral("color: #b00000"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    m_ok->setText(QStringLiteral("登録"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("キャンセル"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* fieldsAndPicture = new QHBoxLayout;
    fieldsAndPicture->addLayout(form);
    fieldsAndPicture->addWidget(m_picture, 0, Qt::AlignTop);
    auto* whole = new QVBoxLayout(this);
    whole->addLayout(fieldsAndPicture);
    whole->addWidget(m_problem);
    whole->addWidget(buttons);
}

void CMeasureSheetDlg::OnPaperChosen()
{
    const Paper& paper = kPapers[m_paper->currentIndex()];
    const bool other = m_paper->currentIndex() == kOtherPaper;
    m_paperWidth->setEnabled(other);
    m_paperHeight->setEnabled(other);
    if (!other) {
        const QSignalBlocker blockWidth(m_paperWidth), blockHeight(m_paperHeight);
        m_paperWidth->setValue(paper.width);
        m_paperHeight->setValue(paper.height);
    }
    Refresh();
}

MeasuredSheet CMeasureSheetDlg::Sheet() const
{
    MeasuredSheet s;
    s.name = m_name->text().trimmed().toStdString();
    s.paperId = kPapers[m_paper->currentIndex()].id;
    s.paperWidth = m_paperWidth->value();
    s.paperHeight = m_paperHeight->value();
    s.cols = m_cols->value();
    s.rows = m_rows->value();
    s.roundLabels = m_round->isChecked();
    s.width = m_width->value();
    s.height = m_height->value();
    s.cornerRadius = m_corner->value();
    s.left = m_left->value();
    s.top = m_top->value();
    s.pitchX = m_pitchX->value();
    s.pitchY = m_pitchY->value();
    return s;
}

void CMeasureSheetDlg::SetSheet(const MeasuredSheet& s)
{
    const QSignalBlocker block(this);
    m_name->setText(QString::fromStdString(s.name));
    int paper = kOtherPaper;
    for (int i = 0; i < kOtherPaper; ++i)
        if (kPapers[i].width == s.paperWidth && kPapers[i].height == s.paperHeight)
            paper = i;
    m_paper->setCurrentIndex(paper);
    m_paperWidth->setValue(s.paperWidth);
    m_paperHeight->setValue(s.paperHeight);
    m_cols->setValue(s.cols);
    m_rows->setValue(s.rows);
    m_round->setChecked(s.roundLabels);
    m_width->setValue(s.width);
    m_height->setValue(s.height);
    m_corner->setValue(s.cornerRadius);
    m_left->setValue(s.left);
    m_top->setValue(s.top);
    m_pitchX->setValue(s.pitchX);
    m_pitchY->setValue(s.pitchY);
    OnPaperChosen();
}

QString CMeasureSheetDlg::Problem() const { return m_problem->text(); }

// The picture shows the sheet as entered even while it still has a problem, so that the user
// sees what to change.
void CMeasureSheetDlg::Refresh()
{
    const MeasuredSheet sheet = Sheet();
    m_height->setEnabled(!sheet.roundLabels);
    m_corner->setEnabled(!sheet.roundLabels);
    const std::string problem = MeasuredSheetProblem(sheet);
    m_problem->setText(QString::fromStdString(problem));
    m_ok->setEnabled(problem.empty());
    const LabelSheetResult made = MakeLabelSheet(MeasuredGeometry(sheet));
    if (made.error != LabelSheetError::None) {
        m_picture->clear();
        return;
    }
    const qreal ratio = devicePixelRatioF();
    QPixmap picture = QPixmap::fromImage(LabelSheetMap(made.record).scaled(
        kPictureSize * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    picture.setDevicePixelRatio(ratio);
    m_picture->setPixmap(picture);
}
