#pragma once

// The congratulation after a tournament game good enough for the best-games
// table: a small box without caption that asks for the player's name.

#include <QDialog>

#include <string>

class QLineEdit;

class NameEntryDialog : public QDialog
{
    Q_OBJECT

  public:
    // Edits a working copy of name; "OK" (or Enter) stores it back, Escape
    // leaves name as it was.
    explicit NameEntryDialog(std::string &name, QWidget *parent = nullptr);

    void accept() override;

  private:
    std::string &myName;
    QLineEdit *myEdit;
};
