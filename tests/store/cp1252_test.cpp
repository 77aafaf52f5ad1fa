#include "store/cp1252.h"

#include <gtest/gtest.h>

using namespace quorvel;

TEST(Cp1252, EveryByteRoundTrips)
{
    QByteArray all;
    for (int byte = 0; byte < 256; ++byte)
        all.append(static_cast<char>(byte));
    const QString text = fromCp1252(all);
    ASSERT_EQ(text.size(), 256);
    const TCp1252Encoding back = toCp1252(text);
    ASSERT_TRUE(back.ok()) << back.message.toStdString();
    EXPECT_EQ(back.bytes, all);
}

TEST(Cp1252, DecodesTheCharactersThatDifferFromLatin1)
{
    const struct {
        unsigned char byte;
        char16_t character;
    } cases[] = {
        {0x80, u'€'}, {0x8A, u'Š'}, {0x91, u'‘'}, {0x93, u'“'}, {0x96, u'–'}, {0x99, u'™'}, {0x9F, u'Ÿ'},
        {0x81, 0x0081}, {0x8D, 0x008D}, {0x8F, 0x008F}, {0x90, 0x0090}, {0x9D, 0x009D}, {0xE9, u'é'}, {0xFF, u'ÿ'},
    };
    for (const auto& c : cases) {
        const char byte = static_cast<char>(c.byte);
        EXPECT_EQ(fromCp1252(QByteArrayView(&byte, 1)), QString(QChar(c.character))) << int(c.byte);
        EXPECT_EQ(toCp1252(QString(QChar(c.character))).bytes, QByteArray(1, byte)) << int(c.byte);
    }
}

TEST(Cp1252, RefusesCharactersItCannotHoldAndSaysWhichAndWhere)
{
    const struct {
        QString text;
        qsizetype position;
        char32_t character;
        const char* shownAs;
    } cases[] = {
        {QStringLiteral("Gdańsk"), 3, U'ń', "\"ń\" (U+0144)"},
        {QStringLiteral("A\u0080"), 1, 0x80, "(U+0080)"}, // a C1 control that has no byte
        {QStringLiteral("x\U0001F600y"), 1, 0x1F600, "(U+1F600)"},
        {QString(QChar(0xD800)), 0, 0xD800, "(U+D800)"}, // a lone surrogate
    };
    for (const auto& c : cases) {
        const TCp1252Encoding result = toCp1252(c.text);
        EXPECT_FALSE(result.ok());
        EXPECT_TRUE(result.bytes.isEmpty());
        EXPECT_EQ(result.badPosition, c.position);
        EXPECT_EQ(result.badCharacter, c.character);
        EXPECT_TRUE(result.message.contains(QString::fromUtf8(c.shownAs))) << result.message.toStdString();
    }
}

TEST(Cp1252, ThrowingVariantCarriesTheMessage)
{
    EXPECT_EQ(toCp1252OrThrow(u"Café"), QByteArray("Caf\xE9"));
    try {
        toCp1252OrThrow(u"Łódź");
        FAIL() << "no exception";
    } catch (const ENotCp1252& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("U+0141")));
    }
}
