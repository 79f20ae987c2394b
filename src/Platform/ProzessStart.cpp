#include "Platform/ProzessStart.h"

#include <QProcess>
#include <QStringList>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

int ProgrammStarten(const std::string& pfad, const std::vector<std::string>& parameter,
                    const std::string& arbeitsverzeichnis)
{
    struct stat st {};
    if (pfad.empty() || stat(pfad.c_str(), &st) != 0)
        return ENOENT;
    if (!S_ISREG(st.st_mode) || access(pfad.c_str(), X_OK) != 0)
        return EACCES;
    QStringList argumente;
    for (const std::string& p : parameter)
        argumente << QString::fromStdString(p);
    if (!QProcess::startDetached(QString::fromStdString(pfad), argumente,
                                 QString::fromStdString(arbeitsverzeichnis)))
        return ENOEXEC;
    return 0;
}
