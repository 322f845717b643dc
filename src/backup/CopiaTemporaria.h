#pragma once
// The hidden temporary files a copy is written to before it is renamed into place. Each name
// carries the writer's process id and host, so a later copy into the same folder can tell a
// file still being written from one left behind by a copy that was killed or lost its power:
//   .Quorvel-backup-8-12-2026.MDB.quorvel-tmp-4711-portatil.Ab12Cd
#include <QString>

namespace CopiaTemporaria {

// A QTemporaryFile template beside `alvo`, in the same folder (so the final rename is atomic).
QString modelo(const QString &alvo);

// Whether the process `pid` of this host still runs (one we may not signal counts as running).
bool escritorVivo(qint64 pid);

// Removes from `pasta` the temporary copies whose writer ran on this host and has ended; those
// of a running writer, of another host, and every other file are left alone. The number removed.
int limpaAbandonadas(const QString &pasta);

// Flushes a file, or a folder (so that a rename in it is on disk), to the device.
bool sincroniza(const QString &caminho, bool pasta);

} // namespace CopiaTemporaria
