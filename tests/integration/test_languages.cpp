// The program in each language it ships: every translation is finished, and
// no window shows a text in English where its translation says otherwise.

#include "app/editors.h"
#include "shell/main_window.h"
#include "shown_texts.h"
#include "test_support.h"
#include "ui/translations.h"
#include "ui/window_kind.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QPointer>
#include <QRegularExpression>
#include <QTimer>
#include <QXmlStreamReader>

#include <filesystem>
#include <map>
#include <optional>
#include <set>

using namespace vantrel;

namespace {

namespace fs = std::filesystem;

// A text with its places (%1, %2…) made to match anything; null when too
// little of it is fixed for a match to mean it was shown.
std::optional<QRegularExpression> placesMatched(const QString& pattern)
{
    static const QRegularExpression place(QStringLiteral("%[1-9]"));
    QString fixed = pattern;
    if (!pattern.contains(place) || fixed.remove(place).count(QRegularExpression(QStringLiteral("[A-Za-z]"))) < 4)
        return std::nullopt;
    QString expression;
    for (const QString& part : pattern.split(place))
        expression += (expression.isEmpty() ? QString() : QStringLiteral(".*")) + QRegularExpression::escape(part);
    return QRegularExpression(QLatin1Char('^') + expression + QLatin1Char('$'),
                              QRegularExpression::DotMatchesEverythingOption);
}

struct Catalogue {
    std::map<QString, QString> translations; // English source → translation, finished ones
    QStringList unfinished;                  // sources without a finished translation
};

// The messages of a .ts file.
Catalogue readCatalogue(const QString& path)
{
    Catalogue catalogue;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << path.toStdString();
        return catalogue;
    }
    QXmlStreamReader xml(&file);
    QString source;
    while (!xml.atEnd()) {
        if (!xml.readNextStartElement())
            continue;
        if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            if (type == QLatin1String("vanished") || type == QLatin1String("obsolete"))
                continue;
            if (type == QLatin1String("unfinished") || text.trimmed().isEmpty())
                catalogue.unfinished << source;
            else
                catalogue.translations[source] = text;
        }
    }
    // Stepping from start element to start element runs into the end of the document.
    EXPECT_TRUE(!xml.hasError() || xml.error() == QXmlStreamReader::PrematureEndOfDocumentError)
        << path.toStdString() << ": " << xml.errorString().toStdString();
    return catalogue;
}

// Each test leaves the program in English for the next.
struct InLanguages : ::testing::Test {
    void TearDown() override { installTranslations(*qApp, QString(), {QStringLiteral("en")}); }
};

struct Languages : InLanguages, ::testing::WithParamInterface<const char*> { };

} // namespace

TEST_P(Languages, EveryMessageIsTranslatedAndNoWindowShowsItsEnglish)
{
    const QString language = QString::fromLatin1(GetParam());
    const Catalogue catalogue =
        readCatalogue(QStringLiteral(VANTREL_SOURCE_DIR "/translations/vantrel_%1.ts").arg(language));
    EXPECT_GT(catalogue.translations.size(), 100u);
    EXPECT_TRUE(catalogue.unfinished.isEmpty())
        << catalogue.unfinished.size() << " unfinished, the first " << catalogue.unfinished.value(0).toStdString();

    ASSERT_EQ(installTranslations(*qApp, QStringLiteral(VANTREL_APP_DIR "/translations"), {language}), language);

    test::TestApp t;
    const fs::path sample = fs::path(VANTREL_APP_DIR) / "samples/kit";
    const std::string kit = t.path("chars/kit/");
    fs::create_directories(kit);
    fs::copy(sample, kit, fs::copy_options::recursive);
    test::installRealTools(t.dir().toStdString());
    t.store->write(kProgramSettings, "ShowTips", "False");
    MainWindow main(*t.app);
    registerWindows(main);
    main.startUp();
    main.openCharacter(QString::fromStdString(kit + "kit.def"));
    ASSERT_TRUE(main.characterOpen()) << t.dialogs.messageTexts().join("|").toStdString();

    std::set<QString> shown;
    const auto collect = [&shown](QWidget* window) {
        for (const test::ShownText& text : test::shownTexts(window))
            shown.insert(text.text);
    };
    collect(&main);
    for (WindowKind kind : kCloseOrder) {
        // A window that is a dialog runs its own loop: its texts are taken
        // there, and it is closed.
        QTimer::singleShot(0, [&collect] {
            if (QWidget* dialog = QApplication::activeModalWidget()) {
                collect(dialog);
                dialog->close();
            }
        });
        // Some finish opening from the event loop (the preview shows its first frame).
        const QPointer<QWidget> window = main.openWindow(kind);
        QCoreApplication::processEvents();
        if (window)
            collect(window);
    }
    // Texts made of a message and its values ("Frame no: 0") are found by the message.
    std::vector<QRegularExpression> composed;
    for (const auto& [source, translation] : catalogue.translations) {
        const auto english = placesMatched(source);
        const auto own = placesMatched(translation);
        if (english && (!own || own->pattern() != english->pattern()))
            composed.push_back(*english);
    }
    int english = 0;
    for (const QString& text : shown) {
        const auto found = catalogue.translations.find(text);
        const bool whole = found != catalogue.translations.end() && found->second != text;
        const auto part = std::find_if(composed.begin(), composed.end(),
                                       [&text](const QRegularExpression& e) { return e.match(text).hasMatch(); });
        if (whole || part != composed.end()) {
            ADD_FAILURE() << language.toStdString() << ": \"" << text.toStdString() << "\" is shown in English"
                          << (whole ? "" : " (" + part->pattern().toStdString() + ")");
            ++english;
        }
    }
    EXPECT_EQ(english, 0);
    // Messages shown meanwhile were in the language too.
    for (const QString& message : t.dialogs.messageTexts())
        EXPECT_EQ(catalogue.translations.count(message), 0u) << message.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Shipped, Languages, ::testing::Values("ja", "es", "pt_BR"));

TEST_F(InLanguages, TheFirstLanguageWantedThatShipsIsTaken)
{
    const QString dir = QStringLiteral(VANTREL_APP_DIR "/translations");
    // Names as the system gives them: with a region, with '-' or '_'.
    EXPECT_EQ(installTranslations(*qApp, dir, {QStringLiteral("pt-BR")}), "pt_BR");
    EXPECT_EQ(installTranslations(*qApp, dir, {QStringLiteral("de_DE"), QStringLiteral("es_ES")}), "es");
    EXPECT_EQ(installTranslations(*qApp, dir, {QStringLiteral("ja_JP")}), "ja");
    EXPECT_NE(QCoreApplication::translate("Messages", "Not a valid SND file!"), "Not a valid SND file!");
    // English before any other: the sources' own texts, nothing loaded.
    EXPECT_EQ(installTranslations(*qApp, dir, {QStringLiteral("en_GB"), QStringLiteral("ja")}), "");
    EXPECT_EQ(QCoreApplication::translate("Messages", "Not a valid SND file!"), "Not a valid SND file!");
    EXPECT_EQ(installTranslations(*qApp, dir, {QStringLiteral("de")}), "");
    EXPECT_EQ(languagesToTry(QStringLiteral("es")), QStringList{"es"});
}
