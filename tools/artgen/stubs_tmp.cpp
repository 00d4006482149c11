#include "tools/artgen/families.h"
namespace nk::art {



void addGuard(Catalog&, const Houses&) {}
void addCat(Catalog&, const Houses&) {}

void addHud(Catalog&, const Houses&) {}
void addMenus(Catalog&, const Houses&) {}
void addDialogs(Catalog&, const Houses&) {}
void addStreet(Catalog&, const Houses&) {}
}
