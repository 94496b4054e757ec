#include "support/ScriptedDialogs.h"

#include <QTest>

void ScriptedDialogs::message(const QString& text, Icon icon, const QString& title) {
    shown.append({Shown::Kind::Message, title, icon, text});
}

bool ScriptedDialogs::question(const QString& text, Icon icon, bool defaultNo) {
    shown.append({Shown::Kind::Question, defaultTitle(), icon, text, defaultNo});
    if (answers.isEmpty()) {
        QTest::qFail(qPrintable(QStringLiteral("unexpected question: ") + text), __FILE__, __LINE__);
        return false;
    }
    return answers.dequeue();
}

// The start path is what the test looks at.
QString ScriptedDialogs::chooseFile(const QString&, const QString& startPath, bool) {
    shown.append({Shown::Kind::File, QString(), Icon::None, startPath});
    if (files.isEmpty()) {
        QTest::qFail(qPrintable(QStringLiteral("unexpected file chooser: ") + startPath), __FILE__, __LINE__);
        return QString();
    }
    return files.dequeue();
}

QString ScriptedDialogs::browseForFolder(const QString& prompt, const QString&) {
    shown.append({Shown::Kind::Folder, QString(), Icon::None, prompt});
    if (folders.isEmpty()) {
        QTest::qFail(qPrintable(QStringLiteral("unexpected folder browser: ") + prompt), __FILE__, __LINE__);
        return QString();
    }
    return folders.dequeue();
}

std::optional<quint32> ScriptedDialogs::chooseColor(quint32) {
    shown.append({Shown::Kind::Colour, QString(), Icon::None, QString()});
    if (colours.isEmpty()) {
        QTest::qFail("unexpected colour picker", __FILE__, __LINE__);
        return std::nullopt;
    }
    return colours.dequeue();
}

void ScriptedDialogs::endProgram() {
    ++endings;
}

QStringList ScriptedDialogs::texts() const {
    QStringList result;
    for (const Shown& item : shown) {
        if (item.kind == Shown::Kind::Message || item.kind == Shown::Kind::Question)
            result << item.text;
    }
    return result;
}
