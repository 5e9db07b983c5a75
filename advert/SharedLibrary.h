#pragma once

// A library loaded at run time and shared by everyone who loaded the same
// file through it; the file is unloaded when the last holder lets go.
//
// QLibrary objects for one file share a single load, and unloading through
// any of them unloads the file for all. Two components started from one
// file must therefore hold one load between them, or shutting one down
// would pull the code from under the other.

#include <QLibrary>
#include <QStringList>

#include <memory>

class SharedLibrary
{
  public:
    // The first of locations that loads, shared with those who hold it
    // already; null when none loads. For the user-interface thread only.
    static std::shared_ptr<SharedLibrary> Load(const QStringList &locations);

    explicit SharedLibrary(const QString &fileName) : myLibrary(fileName) {}
    SharedLibrary(const SharedLibrary &) = delete;
    SharedLibrary &operator=(const SharedLibrary &) = delete;
    ~SharedLibrary();

    QLibrary &Library() { return myLibrary; }
    // Never unload the file, not even when the last holder lets go.
    void KeepLoaded() { myKeepLoaded = true; }

  private:
    QLibrary myLibrary;
    bool myKeepLoaded = false;
};
