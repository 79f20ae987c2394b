#pragma once
// Starting another program of the system (the updater, the tray launcher): detached, so that it
// outlives the caller, by its absolute path.
#include <string>
#include <vector>

// 0 when the program was started, else an errno: ENOENT when there is no such file, EACCES when
// it may not be run, another code when the start itself failed.
int ProgrammStarten(const std::string& pfad, const std::vector<std::string>& parameter = {},
                    const std::string& arbeitsverzeichnis = {});
