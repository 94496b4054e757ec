#pragma once

#include "gui/common/Dialogs.h"

#include <QList>
#include <QQueue>

// Answers dialogs from a script and records everything shown, as a person would have seen it.
class ScriptedDialogs final : public gui::Dialogs {
public:
    struct Shown {
        enum class Kind { Message, Question, Folder, File, Colour } kind;
        QString title;
        Icon icon;
        QString text;
        bool defaultNo = false;
    };

    QQueue<bool> answers;    // Yes is true
    QQueue<QString> folders; // empty text: cancelled
    QQueue<QString> files;   // the same
    QQueue<std::optional<quint32>> colours;
    QList<Shown> shown;
    int endings = 0;

    void message(const QString& text, Icon icon, const QString& title = defaultTitle()) override;
    bool question(const QString& text, Icon icon, bool defaultNo = false) override;
    QString browseForFolder(const QString& prompt, const QString& startDirectory) override;
    QString chooseFile(const QString& prompt, const QString& startPath, bool forWriting) override;
    std::optional<quint32> chooseColor(quint32 initial) override;
    void endProgram() override;

    // The texts of the messages and questions shown, in order.
    QStringList texts() const;
};
