#pragma once

#include "editor/CDialogControls.h"

#include <QDialog>

#include <optional>
#include <string>

class QLineEdit;

// The Add Holiday (130) and Rename Holiday (131) dialogs: one edit for the
// ID, "OK" and "Abbrechen".
class CHolidayIdDialog : public QDialog {
    Q_OBJECT

public:
    enum class Purpose { Add, Rename };

    CHolidayIdDialog(Purpose purpose, const std::string& id, QWidget* parent = nullptr);

    // Runs the dialog; the entered ID on OK, nothing on Abbrechen, Esc or
    // the close box.
    std::optional<std::string> Ask();

    QLineEdit* IdEdit() const;

private:
    CDialogControls controls;
};
