#pragma once
// CDlgOthers (template 166, "その他の書体"): picks the design's other typeface among the installed
// faces that can write Japanese vertically, with a live sample; OK has the font pool load it.
#include "pages/template_dialog.h"

#include <QStringList>

class CDlgOthers : public CTemplateDialog {
    Q_OBJECT
public:
    // `orvanel`: opened from the Orvanel font page (whose sample shows the face), else from the
    // Zolvi one.
    CDlgOthers(QWidget* page, bool orvanel);

    // Offers `faces`; selects the design's other typeface when it is among them, else the first.
    void FillFaces(const QStringList& faces);
    // The face the dialog would hand to the font pool (UTF-8 name as listed).
    const QString& ChosenFace() const { return m_strChosen; }

private:
    void OnSelectionChanged();
    void ShowSample(const QString& face);
    void OnOk();

    QWidget* m_pPage;
    bool m_bOrvanel;
    QString m_strChosen;
};
