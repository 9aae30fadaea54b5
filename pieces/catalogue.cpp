#include "pieces/catalogue.h"

#include <algorithm>

namespace {

// One page of the palette as it is drawn: the left edge of every column and
// the codes in its top and bottom places ("" for an empty place).
struct PageLayout
{
    const char *caption;
    char series;
    std::vector<int> lefts;
    std::vector<const char *> top;
    std::vector<const char *> bottom;
};

const char indexOrder[] = "0123456789ABCDEFGHIJKL";

int indexRank(char c)
{
    const char *p = std::find(indexOrder, indexOrder + 22, c);
    return int(p - indexOrder);
}

const std::vector<PageLayout> &layouts()
{
    static const std::vector<PageLayout> table = {
        {"Normal", '0', {8, 64, 136, 208, 280},
         {"00", "01", "04", "06", "08"}, {"02", "03", "05", "07", "09"}},
        {"RCP 1", 'A', {8, 64, 136, 192, 264, 320, 392, 448, 520, 576},
         {"A0", "A1", "A4", "A5", "A8", "A9", "AC", "AD", "AG", "AH"},
         {"A2", "A3", "A6", "A7", "AA", "AB", "AE", "AF", "AI", "AJ"}},
        {"RCP 2", 'B', {8, 64, 136, 192, 264, 320, 392, 448, 520, 576},
         {"B0", "B1", "B4", "B5", "B8", "B9", "BC", "BD", "BG", "BH"},
         {"B2", "B3", "B6", "B7", "BA", "BB", "BE", "BF", "BI", ""}},
        {"Larger corners", '1', {8, 64, 136, 192, 264, 320, 392, 448, 520, 576, 640},
         {"10", "11", "14", "15", "18", "19", "1C", "1D", "1G", "1H", "1K"},
         {"12", "13", "16", "17", "1A", "1B", "1E", "1F", "1I", "1J", "1L"}},
        {"Intersection", '2', {8, 64, 136, 192, 264, 320},
         {"20", "21", "24", "25", "28", "29"}, {"22", "23", "26", "27", "2A", "2B"}},
        {"Diagonal", '3', {8, 64, 136, 208, 264, 336, 392, 464, 520},
         {"30", "31", "34", "36", "37", "3A", "3B", "3E", "3F"},
         {"32", "33", "35", "38", "39", "3C", "3D", "3G", "3H"}},
        {"Pit lane", '4', {8, 64, 136, 192, 264},
         {"40", "41", "44", "45", "48"}, {"42", "43", "46", "47", "49"}},
        {"Bumps", '9', {8, 80, 152, 224, 280},
         {"90", "92", "94", "96", "97"}, {"91", "93", "95", "98", "99"}},
        {"Open 1", '5', {8, 64, 136, 192, 264, 320, 392, 448, 520, 576},
         {"50", "51", "54", "55", "58", "59", "5C", "5D", "5G", "5H"},
         {"52", "53", "56", "57", "5A", "5B", "5E", "5F", "5I", "5J"}},
        {"Open 2", '6', {8, 64, 136, 192, 256, 312},
         {"60", "61", "64", "65", "68", "69"}, {"62", "63", "66", "67", "6B", "6A"}},
        {"Extra's", '7', {8, 64, 136, 208, 272},
         {"70", "71", "74", "76", "78"}, {"72", "73", "75", "77", "79"}},
        {"Utilities", 0, {}, {}, {}},
    };
    return table;
}

CataloguePage makePage(const PageLayout &layout)
{
    CataloguePage page;
    page.caption = QString::fromLatin1(layout.caption);
    page.series = layout.series;
    for (size_t i = 0; i < layout.lefts.size(); ++i) {
        if (*layout.top[i])
            page.pieces.append({QByteArray(layout.top[i]), layout.lefts[i], Catalogue::topRow});
        if (*layout.bottom[i])
            page.pieces.append({QByteArray(layout.bottom[i]), layout.lefts[i], Catalogue::bottomRow});
    }
    std::sort(page.pieces.begin(), page.pieces.end(), [](const PiecePlace &a, const PiecePlace &b) {
        return indexRank(a.code[1]) < indexRank(b.code[1]);
    });
    return page;
}

} // namespace

const QVector<CataloguePage> &Catalogue::pages()
{
    static const QVector<CataloguePage> built = [] {
        QVector<CataloguePage> result;
        for (const PageLayout &layout : layouts())
            result.append(makePage(layout));
        return result;
    }();
    return built;
}

QVector<QByteArray> Catalogue::codes()
{
    QVector<QByteArray> result;
    for (const CataloguePage &page : pages())
        for (const PiecePlace &place : page.pieces)
            result.append(place.code);
    return result;
}

bool Catalogue::contains(const QByteArray &code)
{
    for (const CataloguePage &page : pages())
        for (const PiecePlace &place : page.pieces)
            if (place.code == code)
                return true;
    return false;
}
