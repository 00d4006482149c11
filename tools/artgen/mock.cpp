#include "tools/artgen/mock.h"

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "tools/artgen/houses.h"
#include "tools/artgen/text.h"

namespace nk::art {
namespace {

namespace fs = std::filesystem;

// Puts pictures where the game would, rendering each picture once.
class Screen {
 public:
  explicit Screen(const Catalog& catalog) : catalog_(catalog), canvas_(800, 600) {
    setColor(cr(), {0, 0, 0});
    cairo_paint(cr());
  }
  cairo_t* cr() const { return canvas_.cr(); }
  void put(const std::string& name, int frame, Placement at) {
    const Picture& p = catalog_.find(name);
    auto& rendered = cache_[name];
    if (!rendered) rendered = std::make_unique<Canvas>(render(p));
    blit(cr(), p, *rendered, frame, at);
  }
  // The game's own numbers, in the display face as it would write them.
  void number(const std::string& text, double x, double y, Rgb colour, double px = 26,
              Align align = Align::Center) {
    plain(cr(), text, x, y, {kDisplayFace, px}, colour, align);
  }
  bool write(const fs::path& path) const { return canvas_.writePng(path.string()); }

 private:
  const Catalog& catalog_;
  Canvas canvas_;
  std::map<std::string, std::unique_ptr<Canvas>> cache_;
};

void title(Screen& s) { s.put("back_first", 0, {}); }

void mainMenu(Screen& s) {
  s.put("mainback", 0, {});
  s.put("b_logo", 0, {0, 520});
  const char* buttons[6] = {"b_stgame", "b_opt", "b_hiscr", "b_help", "b_visit", "b_exit"};
  const Point at[6] = {{300, 100}, {370, 170}, {353, 240}, {354, 310}, {270, 380}, {380, 450}};
  for (int i = 0; i < 6; ++i) s.put(buttons[i], 0, {at[i].x, at[i].y});
  s.put("cursor", 0, {60, 80 + 70 * 1});
}

void options(Screen& s) {
  s.put("mainback", 1, {});
  s.put("scr_opt", 0, {20, 20});
  s.put("b_on", 1, {615, 140});
  s.put("b_off", 1, {615, 225});
  s.put("b_on", 1, {615, 310});
  s.put("Edit", 0, {458, 384});
  s.number("Вор_1_", 464, 390, {1, 1, 1});
  s.put("b_apply", 0, {47, 510});
  s.put("b_cancel", 0, {500, 510});
  s.put("b_cancel", 1, {500, 510});
  s.put("cursor", 0, {420, 83 * 3 - 40});
}

void scores(Screen& s) {
  s.put("mainback", 1, {});
  s.put("scr_hiscr", 0, {53, 0});
  for (int i = 0; i < 10; ++i) {
    s.number(i == 0 ? "Ночной гость" : "Вор", 360, 135 + 34 * i, {1, 1, 1});
    s.number(std::to_string(9000 - 800 * i), 625, 135 + 34 * i, {1, 1, 1});
  }
  s.put("b_clrhiscr", 0, {80, 495});
  s.put("b_viewwhiscr", 0, {305, 495});
  s.put("b_back", 0, {610, 520});
  s.put("cursor", 0, {275, 530, 0.4});
}

void help(Screen& s, const std::string& page) {
  s.put("mainback", 1, {});
  s.put(page, 0, {52, 0});
  s.put("b_back", 0, {57, 510});
  s.put("b_next", 0, {500, 420});
  s.put("b_prev", 0, {57, 420});
  s.put("cursor", 0, {375, 410, 0.7});
}

void exitDialog(Screen& s) {
  mainMenu(s);
  s.put("scr_ExitTheGame", 0, {240, 40});
  s.put("b_yes", 0, {320, 500});
  s.put("b_no", 0, {410, 390});
  s.put("b_no", 1, {410, 390});
  s.put("cursor", 0, {335, 395, 0.4});
}

void scoreDialog(Screen& s) {
  s.put("lose", 0, {});
  s.put("yourscoreis", 0, {240, 40});
  s.put("editname", 0, {308, 488});
  s.number("12450", 410, 220, hex(0x323232));
  s.number("Вор_", 311, 494, hex(0x323232), 20, Align::Left);
}

void street(Screen& s) {
  s.put("scr_choose", 0, {});
  const Point windows[6] = {{33, 207}, {198, 132}, {308, 259}, {419, 121}, {535, 241}, {659, 135}};
  for (int i = 0; i < 6; ++i) s.put("okna", i, {windows[i].x, windows[i].y, 1, i < 3 ? 1.0 : 0.0});
  s.put("vor_oglyad", 3, {243, 374});
  s.number("Уровень 2", 400, 260, hex(0xFB0BD1), 50);
  s.number("Нажмите \"Enter\" для продолжения", 400, 560, hex(0xFB0BD1), 20);
}

// One room of the level lit, its neighbours dark, the garden around, and the play sprites.
struct RoomScene {
  int level;
  int roomPosition;
  std::function<void(Screen&, double x, double y)> contents;  // room origin on screen
};

void room(Screen& s, const RoomScene& scene) {
  const int level = scene.level;
  const std::string n = std::to_string(level);
  const double x = (level == 5 ? 336 : 340) - scene.roomPosition, y = 190;
  // Column -1 is the house's outer wall; the current room is on the ground floor (row 0).
  for (int col = -1; col <= 3; ++col) {
    for (int row = -2; row <= 0; ++row) {
      const int frame = col == -1 ? (row == 0 ? 1 : 0) : col == 0 && row == 0 ? 2 : 3 + (col + row + 7) % 5;
      s.put("level" + n + "walls", frame, {x + col * 200, y + row * 200});
    }
  }
  // the garden is drawn over the walls: left of the house and below it
  for (int row = -2; row <= 0; ++row) {
    for (double left : {-250.0, -450.0}) s.put("fon", level - 1, {x + left, y + row * 200});
  }
  for (int col = -3; col <= 3; ++col) s.put("fon", level - 1, {x + col * 200, y + 200});
  const double cy = y - geometryOf(level).contentShift;
  scene.contents(s, x, cy);
  s.put("vor_idet", 0, {300, 260});
  const LevelGeometry& g = geometryOf(level);
  s.put("level" + n + "backdoors", 3, {x + g.backdoorX, y, 1, 150 / 255.0});
  s.put("panel", 0, {650, 0});
  s.put("playerkeys", 0, {664, 390});
  s.put("playerkeys", 2, {664 + 64, 390});
  s.number("3", 720, 180, {1, 1, 1});
  s.number("170", 720, 264, {1, 1, 1});
  s.number(n, 720, 350, {1, 1, 1});
  s.number("4:05", 690, 510, hex(0x323232), 26, Align::Left);
}

std::vector<RoomScene> roomScenes() {
  const auto door = [](Screen& s, int level, double x, double y, int frame) {
    const LevelGeometry& g = geometryOf(level);
    s.put("level" + std::to_string(level) + "doors", frame, {x + g.doorX, y + g.doorY});
  };
  return {
      {1, 40,
       [=](Screen& s, double x, double y) {
         s.put("wideinterior", 4, {x + 10, y + 20});
         s.put("wideinterior", 0, {x - 10, y + 75});
         door(s, 1, x, y, 0);
         s.put("guy", 0, {x + 10, y + 75});
       }},
      {2, 120,
       [=](Screen& s, double x, double y) {
         s.put("level2lift", 0, {x + 15, y + 3});
         door(s, 2, x, y, 1);
         s.put("money", 1, {x + 50, y + 120, 0.6});
       }},
      {3, 20,
       [=](Screen& s, double x, double y) {
         s.put("thininterior", 2, {x + 20, y + 10});
         s.put("wideinterior", 1, {x - 10, y + 75});
         s.put("level1stairs", 0, {x + 60, y});
         s.put("cat", 0, {x + 15, y + 80});
       }},
      {4, 60,
       [=](Screen& s, double x, double y) {
         s.put("keysboard", 0, {x + 10, y + 45});
         for (int k = 0; k < 4; ++k) {
           const Point off[4] = {{5, 10}, {17, 25}, {30, 10}, {43, 25}};
           s.put("keys", k, {x + 15 + off[k].x, y + 50 + off[k].y});
         }
         s.put("wideinterior", 3, {x + 20, y + 80});
         s.put("laser", 0, {x + 45, y + 95, 1, 210 / 255.0});
         s.put("siren", 2, {x + 10, y + 15});
         door(s, 4, x, y, 0);
       }},
      {5, 100,
       [=](Screen& s, double x, double y) {
         s.put("level1lift", 3, {x + 15, y + 10});
         s.put("priztime", 0, {x + 60, y + 120, 0.8});
         s.put("prizlife", 0, {x + 10, y + 100, 0.6});
         door(s, 5, x, y, 0);
       }},
      {6, 30,
       [=](Screen& s, double x, double y) {
         s.put("seif", 0, {x + 20, y + 40});
         s.put("thininterior", 6, {x + 60, y + 40});
         s.put("wideinterior", 5, {x + 40, y + 80});
         s.put("level1stairs", 1, {x + 60, y + 30});
         door(s, 6, x, y, 0);
       }},
  };
}

}  // namespace

bool writeMockScreens(const Catalog& catalog, const std::string& dir) {
  fs::create_directories(dir);
  const std::vector<std::pair<std::string, std::function<void(Screen&)>>> screens = {
      {"title", title},
      {"menu", mainMenu},
      {"options", options},
      {"scores", scores},
      {"help1", [](Screen& s) { help(s, "scr_help"); }},
      {"help2", [](Screen& s) { help(s, "scr_help2"); }},
      {"help3", [](Screen& s) { help(s, "scr_help3"); }},
      {"exit", exitDialog},
      {"score", scoreDialog},
      {"street", street},
  };
  bool ok = true;
  for (const auto& [name, draw] : screens) {
    Screen s(catalog);
    draw(s);
    ok = s.write(fs::path(dir) / (name + ".png")) && ok;
  }
  for (const RoomScene& scene : roomScenes()) {
    Screen s(catalog);
    room(s, scene);
    ok = s.write(fs::path(dir) / ("room" + std::to_string(scene.level) + ".png")) && ok;
  }
  // the safe cracked in the first house, and the tally over it
  Screen done(catalog);
  room(done, roomScenes().front());
  done.put("seiftake", 0, {});
  done.put("scr_levcompl", 0, {230, 40});
  done.number("6210", 370, 360, {1, 1, 1}, 26, Align::Left);
  done.number("2:15", 370, 457, {1, 1, 1}, 26, Align::Left);
  ok = done.write(fs::path(dir) / "levelcomplete.png") && ok;
  return ok;
}

}  // namespace nk::art
