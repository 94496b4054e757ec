#pragma once

#include <QString>

#include <optional>

namespace gui {

// Everything that needs a person, and the end of the program after an error. The program
// shows real message boxes and pickers; tests answer from a script and watch what is shown.
class Dialogs {
public:
    enum class Icon { None, Critical, Exclamation, Information };

    virtual ~Dialogs() = default;

    // A message with an OK button. Lines are separated by a single CR, as the texts are stored.
    virtual void message(const QString& text, Icon icon, const QString& title = defaultTitle()) = 0;

    // A Yes/No question; true for Yes. With defaultNo, Return answers No.
    virtual bool question(const QString& text, Icon icon, bool defaultNo = false) = 0;

    // A folder chosen by the user, or empty text when cancelled.
    virtual QString browseForFolder(const QString& prompt, const QString& startDirectory) = 0;

    // A file chosen by the user to read (or to write, forWriting), starting at a path; empty
    // text when cancelled.
    virtual QString chooseFile(const QString& prompt, const QString& startPath, bool forWriting) = 0;

    // A colour (0x00BBGGRR) chosen by the user, or nothing when cancelled.
    virtual std::optional<quint32> chooseColor(quint32 initial) = 0;

    // Ends the program after an error has been shown. The caller returns at once afterwards.
    virtual void endProgram() = 0;

    static QString defaultTitle() { return QStringLiteral("Marqueon"); }
};

} // namespace gui
