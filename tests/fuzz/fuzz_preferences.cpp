// The preferences-file reader over any file content.
//
// Input: one mode byte, then the file: stored as it is (mode odd), or compressed
// the way the client writes it (mode even) so the fuzzer reaches the XML. A
// file read as loaded must take a new user's block and give it back unchanged,
// then lose it again on removal.
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "protocol/zelpreferencesfile.h"

namespace {

[[noreturn]] void fail(const char *what)
{
    std::fprintf(stderr, "fuzz_preferences: %s\n", what);
    std::abort();
}

QTemporaryDir *folder = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    folder = new QTemporaryDir;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const QByteArray content(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    ZELPreferencesFile preferences(folder->path());
    QFile::remove(preferences.setAsideFileName());
    {
        QFile file(preferences.fileName());
        QFile::remove(file.fileName());
        if (!file.open(QIODevice::WriteOnly))
            fail("cannot write the file");
        file.write(data[0] & 1 ? content : qCompress(content, 9));
    }

    const QString newcomer = QStringLiteral("zz-fuzz-user");
    const ZELPreferencesFile::ReadResult first = preferences.read(newcomer);
    if (first.state != ZELPreferencesFile::Loaded || first.userCase != ZELPreferencesFile::UserNotFound)
        return 0;
    if (first.connectionSettings.size() != 7)
        fail("a loaded file gave other than 7 connection settings");

    const ZELPreferencesFile::UserSettings user = ZELPreferencesFile::UserSettings::defaults(
        newcomer, QStringLiteral("pa:::ss<>&"), QStringLiteral("TRUE"), QStringLiteral("FALSE"));
    if (!preferences.addUser(user, first.connectionSettings))
        fail("a loaded file did not take a new user");
    const ZELPreferencesFile::ReadResult second = preferences.read(newcomer);
    if (second.state != ZELPreferencesFile::Loaded || second.userCase != ZELPreferencesFile::UserFound)
        fail("the new user's block is not found again");
    if (!(second.user == user))
        fail("the new user's block changed on its way");
    if (second.userBlockCount != first.userBlockCount + 1)
        fail("adding a user changed the other blocks");
    if (!preferences.removeUser(newcomer))
        fail("the new user cannot be removed");
    const ZELPreferencesFile::ReadResult third = preferences.read(newcomer);
    if (third.userCase != ZELPreferencesFile::UserNotFound || third.userBlockCount != first.userBlockCount)
        fail("removing the new user left a trace");
    return 0;
}
