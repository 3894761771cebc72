#pragma once
// The About window: the program's title, version and warning, and a button that starts
// the system-information tool of the operating system.

#include "commun/fenetre.h"

class QFrame;
class QLabel;
class QPushButton;

class frmAbout : public Fenetre
{
    Q_OBJECT
public:
    frmAbout();

    // The window that owns this one: the About window stays in front of it and has no
    // button of its own in the task bar.
    void proprietaire(QWidget *fenetre) { m_proprietaire = fenetre; }

    // Starts the system-information tool, or tells the user it is not available.
    void StartSysInfo();
    // One value of the registry (see apropos::GetKeyValue).
    bool GetKeyValue(quint32 KeyRoot, const QString &KeyName, const QString &SubKeyRef, QString &KeyVal);

protected:
    void chargement() override;

private:
    QPointer<QWidget> m_proprietaire;
    QLabel *Picture1;
    QLabel *lblTitle;
    QLabel *lblVersion;
    QLabel *lblDescription;
    QFrame *Line1[2];
    QLabel *lblDisclaimer;
    QPushButton *cmdOK;
    QPushButton *cmdSysInfo;
};

// The About window, created on first use.
frmAbout &frmabout();
