#pragma once

#include <QByteArrayView>

// One key of the settings file: its section and its name.
struct SettingsKey {
    QByteArrayView section;
    QByteArrayView name;
};

// The keys the program reads and writes, so that the reader and the writers spell them once.
namespace SettingsKeys {
inline constexpr SettingsKey CreationTime{"Common", "CreationTime"};
inline constexpr SettingsKey Left{"Common", "Left"};
inline constexpr SettingsKey Top{"Common", "Top"};
inline constexpr SettingsKey BmpRes{"Common", "BMPRes"};
inline constexpr SettingsKey Timeout{"Timings", "Timeout"};
inline constexpr SettingsKey RxDelay{"Timings", "RxDelay"};
inline constexpr SettingsKey NakDelay{"Timings", "NAKDelay"};
inline constexpr SettingsKey Port{"ComPort", "Port"};
inline constexpr SettingsKey AutoSaveFolder{"AutoSave", "Folder"};
inline constexpr SettingsKey AutoSaveFormat{"AutoSave", "Format"};
// Read only, written by hand: the user's choice of language; how many downloaded pictures the
// captures folder keeps.
inline constexpr SettingsKey Language{"Common", "Language"};
inline constexpr SettingsKey CapturesKeep{"Captures", "Keep"};
} // namespace SettingsKeys
