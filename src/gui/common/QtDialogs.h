#pragma once

#include "gui/common/Dialogs.h"

namespace gui {

// The program's dialogs: Qt message boxes titled "Marqueon", the folder picker, the colour picker.
class QtDialogs final : public gui::Dialogs {
public:
    void message(const QString& text, Icon icon, const QString& title = defaultTitle()) override;
    bool question(const QString& text, Icon icon, bool defaultNo = false) override;
    QString browseForFolder(const QString& prompt, const QString& startDirectory) override;
    QString chooseFile(const QString& prompt, const QString& startPath, bool forWriting) override;
    std::optional<quint32> chooseColor(quint32 initial) override;
    void endProgram() override;
};

} // namespace gui
