#include "Lib/Exception.h"

#include <string>

EAssertionFailed::EAssertionFailed(const char* text, const char* file, int line)
    : Exception(std::string(text) + " (" + file + ", Zeile " + std::to_string(line) + ")")
{
}
