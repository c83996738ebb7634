#include "SoundPlayback.h"

#include <QCoreApplication>
#include <QDir>
#include <QPluginLoader>

namespace {

// The module, or none after saying why in soundLog(): the only time it is said, as the module
// is looked for once.
SoundModule* loadSoundModule()
{
    // Relative to the program's own folder, so that an installed or unpacked program and one
    // in the build tree each find their own module.
    const QString path =
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(KRIMVEL_SOUND_MODULE));
    QPluginLoader loader(path);
    // Its sound reads Qt's messages: its code must stay until Qt's last one, after exit().
    loader.setLoadHints(QLibrary::PreventUnloadHint);
    QObject* instance = loader.instance();
    auto* module = qobject_cast<SoundModule*>(instance);
    if (module == nullptr) {
        const QString problem =
            instance == nullptr
                ? loader.errorString()
                : QCoreApplication::translate("Terminal", "not this program's sound module");
        qCWarning(soundLog).noquote()
            << QCoreApplication::translate("Terminal", "the installation is broken: cannot load "
                                                       "the loudspeaker's sound module %1 (%2)")
                   .arg(QDir::toNativeSeparators(QDir::cleanPath(path)), problem);
    }
    return module;
}

} // namespace

// Loaded on the first call and kept for the process; a module that cannot be loaded is not
// tried again.
LoudspeakerPlayer* createLoudspeakerPlayer(QObject* parent)
{
    static SoundModule* const module = loadSoundModule();
    if (module == nullptr) {
        return nullptr;
    }
    return module->createPlayer(parent, QStringLiteral(":/sound/loudspeaker.wav"));
}
