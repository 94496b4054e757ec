#pragma once

#include <QByteArray>
#include <QByteArrayList>

// Game blocks in the emulator's listing format, for the stand-in's catalogue.
struct ListedGame {
    QByteArray name;
    QByteArray description;
    QByteArray cloneOf = {};
    QByteArray year = "1981";
    QByteArray video = "video ( screen raster orientation vertical x 224 y 288 colors 16 freq 60.606060 )";
    QByteArray driver = "driver ( status good color good sound good )";
    QByteArray history = {};
};

inline QByteArray listing(const QList<ListedGame>& games) {
    QByteArray text;
    for (const ListedGame& game : games) {
        text += "game (\n\tname " + game.name + "\n\tdescription \"" + game.description + "\"\n\tyear " + game.year +
                "\n\tmanufacturer \"Maker\"\n";
        if (!game.history.isEmpty())
            text += "\thistory \"" + game.history + "\"\n";
        if (!game.cloneOf.isEmpty())
            text += "\tcloneof " + game.cloneOf + "\n\tromof " + game.cloneOf + "\n";
        text += "\trom ( name " + game.name + ".1 size 4096 crc 0123abcd region cpu1 offs 0 )\n\t" + game.video +
                "\n\tinput ( players 2 control joy8way buttons 1 coins 2 )\n\t" + game.driver + "\n)\n\n";
    }
    return text;
}
