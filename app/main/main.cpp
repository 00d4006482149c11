#include <string>
#include <vector>

#include "app/game_main.h"

int main(int argc, char** argv) { return nk::gameMain(std::vector<std::string>(argv + 1, argv + argc)); }
