#include "SoundPlayback.h"

#include <QCoreApplication>
#include <QDir>
#include <QLoggingCategory>
#include <QPluginLoader>

namespace {

Q_LOGGING_CATEGORY(soundLog, "krimvel.sound")

struct LoadedModule
{
    SoundModule* module = nullptr;
    // Why there is none, where there is none.
    QString problem;
};

LoadedModule loadSoundModule()
{
    // Relative to the program's own folder, so that an installed or unpacked program and one
    // in the build tree each find their own module.
    QPluginLoader loader(QDir(QCoreApplication::applicationDirPath())
                             .filePath(QStringLiteral(KRIMVEL_SOUND_MODULE)));
    QObject* instance = loader.instance();
    LoadedModule loaded{qobject_cast<SoundModule*>(instance), {}};
    if (instance == nullptr) {
        loaded.problem = loader.errorString();
    } else if (loaded.module == nullptr) {
        loaded.problem = loader.fileName() + QStringLiteral(" is not this program's sound module");
    }
    return loaded;
}

} // namespace

// Loaded on the first call and kept for the process; a module that cannot be loaded is not
// tried again.
LoudspeakerPlayer* createLoudspeakerPlayer(QObject* parent)
{
    static const LoadedModule loaded = loadSoundModule();
    if (loaded.module == nullptr) {
        qCWarning(soundLog, "cannot load the sound module: %s", qUtf8Printable(loaded.problem));
        return nullptr;
    }
    return loaded.module->createPlayer(parent);
}
