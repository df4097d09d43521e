#pragma once
// CWizardPageDlg: the base of every wizard page. The wizard asks the active page, through the
// eight operations below, whether it may be left and where Back and Next lead; pages name each
// other by template number (0: the neighbour in the page list, -1: stay).
#include "controls/control_factory.h"
#include "design/seal_format.h"

#include <QFont>
#include <QWidget>

class CWizardSheetDlg;

class CWizardPageDlg : public QWidget, public CSealFormat {
    Q_OBJECT
public:
    explicit CWizardPageDlg(CWizardSheetDlg* sheet);

    virtual bool OnCreatePage() { return true; }
    virtual void OnDestroyPage() {}
    virtual bool OnKillActive() { return true; }
    virtual void OnSetActive() {}
    virtual bool OnQueryCancel() { return true; }
    virtual int OnWizardBack() { return 0; }
    virtual int OnWizardNext() { return 0; }
    virtual bool OnWizardFinish() { return true; }
    // Whether Undo and Redo act here (the design pages).
    virtual bool HasDesignHistory() const { return false; }
    // The design history put a step back while the page is shown: it shows the design afresh.
    virtual void OnDesignRestored() { OnSetActive(); }
    // A key-down the wizard hands on to the page (the Tab rule of the Zolvi text page).
    virtual void OnKeyDown(int key, Qt::KeyboardModifiers modifiers);

    // Builds the page window from its template inside `parent`; false when it has no template.
    bool CreatePage(QWidget* parent);
    // Drops the page window and its controls; the page object stays.
    void DestroyPage();

    QWidget* Control(int id) const;
    template <class T>
    T* ControlAs(int id) const
    {
        return qobject_cast<T*>(Control(id));
    }

    CWizardSheetDlg* m_pSheet;
    int m_bCreated = 0;
    int m_bActive = 0;
    int m_nTemplateId = 0;
    QFont m_titleFont;

protected:
    // Runs once the controls exist.
    virtual bool OnInitDialog();

private:
    ControlMap m_controls;
};
