#pragma once
// Bytes in and out of the console on every platform: UTF-8 arguments, and
// standard input and output without newline translation.
#include <string>
#include <vector>

// The arguments after the program name, as UTF-8.
std::vector<std::string> Utf8Arguments(int argc, char** argv);
void UseBinaryStdio();
