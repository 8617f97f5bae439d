#include <dlfcn.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <mutex>

#include "sound_access/sound_engine.h"

namespace strumix {

QString sound_module_path() {
    // The program's own file, not the folder it was started from nor its name on the PATH.
    const QFileInfo program(QStringLiteral("/proc/self/exe"));
    const QString folder = QFileInfo(program.symLinkTarget()).absolutePath();
    return QDir::cleanPath(folder + QLatin1Char('/') +
                           QStringLiteral(STRUMIX_SOUND_MODULE_FROM_PROGRAM));
}

SoundEngine* load_sound_engine(const QString& path, QString* error) {
    auto refuse = [&](const QString& why) {
        *error = QCoreApplication::translate(
                     "Sound",
                     "The page cannot be played: the sound module %1 could not be "
                     "loaded (%2).")
                     .arg(path, why);
        return nullptr;
    };
    // Bound at once, so that a library missing from the system is told now, not found
    // later in the middle of playing; kept to itself, so that its symbols meet nothing of ours.
    void* module = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!module) return refuse(QString::fromLocal8Bit(dlerror()));
    auto entry = reinterpret_cast<SoundEngineEntry>(dlsym(module, kSoundEngineEntry));
    if (!entry) {
        dlclose(module);
        return refuse(QCoreApplication::translate("Sound", "not a sound module"));
    }
    return entry();
}

SoundEngine* sound_engine(QString* error) {
    static std::mutex mutex;
    static SoundEngine* engine = nullptr;
    const std::lock_guard lock(mutex);
    if (!engine) engine = load_sound_engine(sound_module_path(), error);
    return engine;
}

}  // namespace strumix
