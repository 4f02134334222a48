#pragma once

#include "CommandPrompts.h"

#include <QDialog>

// The question before a copy replaces a file: "Same file name exists.", the
// target shortened with an ellipsis to fit its line, "Overwrite it?", and
// Yes, Yes All, No and Cancel.
class TFrmOverWrite final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TFrmOverWrite)

public:
    explicit TFrmOverWrite(const QString &target, QWidget *parent = nullptr);

    CommandPrompts::Overwrite answer() const { return m_answer; }
    // Escape and the title bar's close answer Cancel.
    void reject() override;

private:
    CommandPrompts::Overwrite m_answer = CommandPrompts::Overwrite::Cancel;
};
