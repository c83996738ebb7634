#include "SoundPlayback.h"

#include <QCoreApplication>
#include <QDir>
#include <QPluginLoader>

namespace {

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
    const QString path =
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(KRIMVEL_SOUND_MODULE));
    QPluginLoader loader(path);
    QObject* instance = loader.instance();
    LoadedModule loaded{qobject_cast<SoundModule*>(instance), {}};
    if (instance == nullptr) {
        loaded.problem = loader.errorString();
    } else if (loaded.module == nullptr) {
        loaded.problem = QCoreApplication::translate("Terminal", "not this program's sound module");
    }
    if (!loaded.problem.isEmpty()) {
        loaded.problem =
            QCoreApplication::translate("Terminal", "the installation is broken: cannot load the "
                                                    "loudspeaker's sound module %1 (%2)")
                .arg(QDir::toNativeSeparators(QDir::cleanPath(path)), loaded.problem);
    }
    return loaded;
}

} // namespace

// Loaded on the first call and kept for the process; a module that cannot be loaded is not
// tried again.
LoudspeakerPlayer* createLoudspeakerPlayer(QObject* parent, bool userAsksQtForMessages)
{
    static const LoadedModule loaded = loadSoundModule();
    if (loaded.module == nullptr) {
        qCWarning(soundLog).noquote() << loaded.problem;
        return nullptr;
    }
    return loaded.module->createPlayer(parent, QStringLiteral(":/sound/loudspeaker.wav"),
                                       userAsksQtForMessages);
}
