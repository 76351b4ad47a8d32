#include "test_support.h"

#include "documents/workspace_folders.h"
#include "sprites/sprite_document.h"

#include <QProcess>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace vantrel::test {

namespace fs = std::filesystem;

std::string realchars(const std::string& relative)
{
    return std::string(VANTREL_REALCHARS) + "/" + relative;
}

void writeFile(const std::string& path, const std::string& bytes)
{
    const fs::path p(path);
    if (p.has_parent_path())
        fs::create_directories(p.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(out.good()) << "cannot write " << path;
}

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

TestApp::TestApp()
{
    store = std::make_unique<SettingsStoreQt>(appDir.path() + "/test-settings.ini");
    documents = std::make_unique<DocumentManager>();
    app = std::make_unique<App>(appDir.path(), appDir.path(), dialogs, *store);
    app->documents = documents.get();
}

TestApp::~TestApp() = default;

void TestApp::closeDocuments()
{
    const std::vector<Document*> all = documents->documents();
    for (Document* document : all)
        documents->closeDocument(document);
}

CharacterFiles& files(App& app)
{
    return app.documents->characterFiles();
}

SpriteDocument* setSprites(App& app, std::vector<SpriteRecord> records, const QString& sffPath)
{
    if (SpriteDocument* old = characterSprites(app.documents))
        app.documents->closeDocument(old);
    auto sprites = std::make_unique<SpriteDocument>(sffPath, app.workDir, app.toolsDir, std::move(records));
    return static_cast<SpriteDocument*>(app.documents->addDocument(std::move(sprites)));
}

SpriteDocument* spritesOf(const App& app)
{
    return characterSprites(app.documents);
}

void useOwnWorkspace(App& app, const QString& root)
{
    const OwnWorkspace own = makeOwnWorkspace(root);
    ASSERT_TRUE(own.ok()) << own.error.toStdString();
    app.workDir = own.folder;
    app.workspacesDir = own.root;
    app.recoveryDir = own.folder + "/" + kRecoveryFolderName;
}

void writeStandInUnpacker(const std::string& appDir, const std::string& body)
{
    const std::string path = appDir + "/sff2pcx";
    writeFile(path, "#!/bin/sh\n" + body + "\n");
    fs::permissions(path, fs::perms::owner_all | fs::perms::group_read | fs::perms::others_read);
}

void installRealTools(const std::string& appDir)
{
    for (const char* tool : {"sff2pcx", "sprmaker"}) {
        const fs::path from = fs::path(VANTREL_APP_DIR) / tool;
        fs::copy_file(from, fs::path(appDir) / tool, fs::copy_options::overwrite_existing);
    }
}

qint64 endedProcess()
{
    QProcess done;
    done.start("/bin/true");
    EXPECT_TRUE(done.waitForStarted(10000));
    const qint64 pid = done.processId();
    EXPECT_TRUE(done.waitForFinished(10000));
    EXPECT_GT(pid, 0);
    return pid;
}

} // namespace vantrel::test
