#pragma once

#include <QDialog>

// "About Quillan": the icon, the version, the licence and the libraries the
// editor runs on with their versions.
class TFrmAbout final : public QDialog
{
    Q_OBJECT

public:
    explicit TFrmAbout(QWidget *parent = nullptr);

    // The text below the title, as plain lines (also what the tests read).
    static QString details();
};
