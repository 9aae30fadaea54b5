#pragma once

#include <QByteArray>
#include <QStringList>
#include <QVector>

// Small track files with their exact open road ends, "COLUMN:ROW: EDGE" as
// kerbwright-check prints them after the track's name. The editor's marks
// and the command line are both held to this one table.
struct ConnectionTrack
{
    const char *name;
    QByteArray text;
    QStringList ends;
};

inline QVector<ConnectionTrack> connectionTracks()
{
    QByteArray row30;
    for (int i = 0; i < 30; ++i)
        row30 += i ? ",04" : "04";
    return {
        {"oval", "00,04,04,04,01\r\n05,07,07,07,05\r\n02,04,06,04,03\r\n", {}},
        {"oval with a gap", "00,04,07,04,01\r\n05,07,07,07,05\r\n02,04,06,04,03\r\n", {"2:1: east", "4:1: west"}},
        {"one straight", "04\r\n", {"1:1: east", "1:1: west"}},
        {"corners side by side", "00,01,02,03\r\n", {"1:1: south", "2:1: south", "3:1: north", "4:1: north"}},
        // Cells the file leaves out are the default piece, grass.
        {"ragged rows", "04,04,04\r\n05\r\n", {"1:1: west", "1:2: north", "1:2: south", "3:1: east"}},
        {"larger corner", "10,11\r\n12,13\r\n", {"1:2: south", "2:1: east"}},
        {"foam mat, corner turned", "A0,A4,A8,A4,A1\r\nA5,AH,A5,AH,A5\r\nA2,AC,AA,A6,A2\r\n",
         {"4:3: east", "5:3: east"}},
        {"carpet, straight across", "B0,B4,B8,B4,B1\r\nB5,BH,BD,BH,B4\r\nB2,B4,B6,B4,B3\r\n",
         {"5:1: south", "5:2: east", "5:2: west", "5:3: north"}},
        {"unknown code", "04,ZZ,04\r\n", {"1:1: west", "3:1: east"}},
        {"full width, past the view", row30 + "\r\n", {"1:1: west", "30:1: east"}},
    };
}
