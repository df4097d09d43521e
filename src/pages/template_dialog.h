#pragma once
// A small modal dialog built from its template on the page colour; OK ends it with 1.
#include "controls/control_factory.h"

#include <QDialog>

class CTemplateDialog : public QDialog {
    Q_OBJECT
public:
    CTemplateDialog(int templateId, QWidget* parent);

    QWidget* Control(int id) const;
    template <class T>
    T* ControlAs(int id) const
    {
        return qobject_cast<T*>(Control(id));
    }

protected:
    // Labels in the caption face on the page colour, and the OK button's caption and colours.
    void SetLabel(int id, const QString& text, int format);
    void SetOkButton(const QString& caption);

private:
    ControlMap m_controls;
};
