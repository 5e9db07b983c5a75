#pragma once

// The About box (dialog 100): the logo, the program's name, a line about
// the program, and the web and e-mail addresses as links.

#include <QDialog>

class HyperLink;

class CAboutDlg : public QDialog
{
    Q_OBJECT

  public:
    enum { IDD = 100, IDC_WEB = 1076, IDC_EMAIL = 1077 };

    explicit CAboutDlg(QWidget *parent = nullptr);

    HyperLink *WebLink() const { return myWeb; }
    HyperLink *EmailLink() const { return myEmail; }

  private:
    HyperLink *myWeb;
    HyperLink *myEmail;
};
