#pragma once
// "シールを測って登録": a label sheet measured with a ruler, entered length by length with a
// picture of the sheet to scale beside the fields. OK is possible only for a sheet that fits its
// paper without overlapping labels; the dialog names the first problem otherwise.
#include "format/measured_sheet.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

class CMeasureSheetDlg : public QDialog {
    Q_OBJECT
public:
    explicit CMeasureSheetDlg(QWidget* parent);

    MeasuredSheet Sheet() const;
    void SetSheet(const MeasuredSheet& sheet);
    // The problem the dialog shows now; empty when OK is possible.
    QString Problem() const;

private:
    QDoubleSpinBox* Length(double value, double largest = 2000);
    void BuildFields();
    void OnPaperChosen();
    void Refresh();

    QLineEdit* m_name;
    QComboBox* m_paper;
    QDoubleSpinBox* m_paperWidth;
    QDoubleSpinBox* m_paperHeight;
    QSpinBox* m_cols;
    QSpinBox* m_rows;
    QCheckBox* m_round;
    QDoubleSpinBox* m_width;
    QDoubleSpinBox* m_height;
    QDoubleSpinBox* m_corner;
    QDoubleSpinBox* m_left;
    QDoubleSpinBox* m_top;
    QDoubleSpinBox* m_pitchX;
    QDoubleSpinBox* m_pitchY;
    QLabel* m_picture;
    QLabel* m_problem;
    QPushButton* m_ok;
};
