// Panels and dialogs over the menus and the game, and the full-screen overlays of the game's end.
#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "tools/artgen/characters.h"
#include "tools/artgen/families.h"
#include "tools/artgen/night.h"
#include "tools/artgen/pickups.h"
#include "tools/artgen/ui.h"

namespace nk::art {
namespace {

constexpr int kScreenW = 800, kScreenH = 600;
constexpr Rgb kText = hex(0xE4E8FF);

// --- help -----------------------------------------------------------------------------------
constexpr int kHelpW = 696, kHelpH = 410;

void helpFrame(cairo_t* cr, const char* title) {
  panel(cr, {0, 8, kHelpW, kHelpH - 8});
  caption(cr, title, kHelpW / 2.0, 28, titleLook(40));
}

void helpGoal(cairo_t* cr) {
  helpFrame(cr, "Цель игры");
  paragraph(
      cr,
      "Вы — ночной взломщик. В каждом из шести домов спрятан сейф. Проберитесь к нему комната за комнатой "
      "и вскройте его, пока не вышло время.\n\nДеньги, собранные по пути, и оставшиеся секунды превращаются "
      "в "
      "очки. Попадётесь охраннику, лазеру или не успеете — потеряете жизнь.",
      36, 96, 420, {kPlainFace, 19}, kText);
  placed(cr, 500, 120, 1.9, [&] { drawBurglarCheering(cr); });
}

void helpControls(cairo_t* cr) {
  helpFrame(cr, "Управление");
  struct Line {
    const char* keys;
    const char* what;
  };
  double y = 96;
  for (const Line& l : {Line{"← →", "идти влево и вправо"},
                        {"Ctrl", "открыть дверь, вызвать лифт"},
                        {"Пробел", "взять ключ, деньги или приз, вскрыть сейф"},
                        {"↑ ↓", "подняться или спуститься по лестнице"},
                        {"Esc", "выйти в меню"},
                        {"P или F1", "пауза"}}) {
    plate(cr, {36, y - 4, 150, 38}, false);
    caption(cr, l.keys, 111, y + 2, titleLook(22));
    plain(cr, l.what, 206, y + 4, {kPlainFace, 20}, kText);
    y += 48;
  }
}

void helpObjects(cairo_t* cr) {
  helpFrame(cr, "Предметы и опасности");
  struct Topic {
    std::function<void()> icon;  // drawn at the topic's left
    const char* text;
    double y;
  };
  const Topic topics[] = {
      {[cr] {
         for (int k = 0; k < 4; ++k) {
           cairo_save(cr);
           cairo_translate(cr, 8 + k * 16, (k % 2) * 10);
           drawKey(cr, keyColour(k), 1.0);
           cairo_restore(cr);
         }
       },
       "Ключи четырёх цветов открывают запертые двери того же цвета. Лифт и лестницы ведут на другие этажи.",
       88},
      {[cr] { drawBanknote(cr, 1.2); },
       "Деньги: монеты — 10, купюра — 30, пачка — 70, слиток золота — 100. Часы добавляют минуту, сердце — "
       "жизнь.",
       170},
      {[cr] {
         cairo_scale(cr, 0.7, 0.7);
         drawGuard(cr, 5);
       },
       "<b>Опасности.</b> Охранник стреляет, если войти в его комнату через дверь. Лазер включает сирену. И "
       "следите "
       "за часами!",
       250},
  };
  for (const Topic& t : topics) {
    cairo_save(cr);
    cairo_translate(cr, 40, t.y);
    t.icon();
    cairo_restore(cr);
    paragraph(cr, t.text, 120, t.y, 540, {kPlainFace, 17}, kText);
  }
}

// --- options and scores -------------------------------------------------------------------------
void optionsPanel(cairo_t* cr) {
  // placed at (20, 20): switches at screen y 140, 225, 310 and the name field at y 384
  panel(cr, {0, 0, 760, 560});
  caption(cr, "Настройки", 380, 26, titleLook(44));
  const char* rows[4] = {"Полный экран", "Музыка", "Звук", "Имя игрока"};
  const double centres[4] = {150, 235, 320, 384};
  for (int i = 0; i < 4; ++i) {
    caption(cr, rows[i], 50, centres[i] - 20, labelLook(32), Align::Left);
    limb(cr, {{50, centres[i] + 26}, {700, centres[i] + 26}}, 1, hex(0x3A4088), 0);
  }
}

void scoresPanel(cairo_t* cr) {
  // placed at (53, 0): names centred on x 307, scores on x 572, rows from y 135 every 34
  panel(cr, {0, 0, 694, 600});
  caption(cr, "Рекорды", 347, 30, titleLook(48));
  for (int i = 0; i < 10; ++i) {
    const double y = 130 + 34 * i;
    roundedRect(cr, 30, y, 634, 32, 10);
    setColor(cr, i % 2 ? hex(0x1A1D4A) : hex(0x242866), 0.9);
    cairo_fill(cr);
    caption(cr, std::to_string(i + 1), 62, y + 3, i < 3 ? titleLook(22) : labelLook(22));
  }
  ellipse(cr, 92, 148, 10, 10);  // a gold medal for the best
  flat(cr, kGold, 1.2);
}

// --- dialogs at (240, 40): the No button sits at (170, 350) and Yes at (80, 460) in them ----------
constexpr int kDialogW = 340, kDialogH = 520;

void dialog(cairo_t* cr, const char* question) {
  panel(cr, {0, 0, kDialogW, kDialogH});
  paragraph(cr, std::string("<span foreground='#FFE8A8'>") + question + "</span>", 30, 40, kDialogW - 60,
            {kDisplayFace, 28}, kText, 1.0, true);
}

void exitDialog(cairo_t* cr) {
  dialog(cr, "Выйти из игры?");
  placed(cr, 120, 150, 1.4, [&] { drawCat(cr, 10); });
}

void clearDialog(cairo_t* cr) {
  dialog(cr, "Очистить таблицу рекордов?");
  for (int i = 0; i < 3; ++i) {
    roundedRect(cr, 60, 190 + i * 40, 220, 30, 8);
    setColor(cr, hex(0x242866));
    cairo_fill(cr);
  }
  limb(cr, {{70, 180}, {270, 320}}, 6, hex(0xE0483A), 1.5);
  limb(cr, {{270, 180}, {70, 320}}, 6, hex(0xE0483A), 1.5);
}

// Score dialog: the game writes the score centred on x 170 at y 180 (dark grey) and the name below.
void scoreDialog(cairo_t* cr, bool sending) {
  if (sending) {
    dialog(cr, "Отправить результат в Интернет?");
    moon(cr, 170, 240, 44);
    return;
  }
  panel(cr, {0, 0, kDialogW, kDialogH});
  caption(cr, "Ваш счёт", kDialogW / 2.0, 60, titleLook(40));
  plate(cr, {60, 165, 220, 58}, true);
  caption(cr, "Введите имя", kDialogW / 2.0, 352, labelLook(30));
}

// --- game screens ---------------------------------------------------------------------------
void levelComplete(cairo_t* cr) {
  // placed at (230, 40): the score is written at (140, 320) in white on a dark plate, the time at
  // (140, 417) in the side panel's dark grey, so on a light plate like the panel's time box
  panel(cr, {0, 0, 340, 520});
  caption(cr, "Уровень", 170, 34, titleLook(40));
  caption(cr, "пройден!", 170, 86, titleLook(40));
  star(cr, 170, 200, 50, 22, 5);
  shaded(cr, kGold, {120, 150}, {220, 250}, 2);
  caption(cr, "Очки", 170, 272, labelLook(26));
  plate(cr, {60, 312, 220, 44}, false);
  caption(cr, "Бонус за время", 170, 372, labelLook(26));
  plate(cr, {60, 410, 220, 44}, true);
  caption(cr, "Enter — дальше", 170, 466, {{kDisplayFace, 18}, hex(0xA8B0E0), hex(0x8890C0), 1.5, 0});
}

void banner(cairo_t* cr, Rect r, const char* text, double px) {
  panel(cr, r);
  const Canvas scratch(1, 1);
  const double h = measure(scratch.cr(), text, {kDisplayFace, px}).h;
  caption(cr, text, r.x + r.w / 2, r.y + (r.h - 8 - h) / 2, titleLook(px));
}

void timesUp(cairo_t* cr) {
  banner(cr, {0, 0, 340, 150}, "Время вышло!", 38);
  ellipse(cr, 40, 20, 18, 18);
  shaded(cr, hex(0xE8463C), {22, 2}, {58, 38}, 2);
  limb(cr, {{40, 20}, {40, 9}}, 2, {1, 1, 1}, 0);
  limb(cr, {{40, 20}, {48, 24}}, 2, {1, 1, 1}, 0);
}

void quickHelp(cairo_t* cr) {
  panel(cr, {0, 0, 410, 330});
  caption(cr, "Управление", 205, 22, titleLook(34));
  paragraph(
      cr,
      "<b>← →</b>  идти\n<b>Ctrl</b>  дверь, лифт\n<b>Пробел</b>  взять, вскрыть сейф\n<b>↑ ↓</b>  лестница\n"
      "<b>Esc</b>  меню   <b>P, F1</b>  пауза",
      40, 82, 340, {kPlainFace, 21}, kText, 1.2);
  caption(cr, "Любая клавиша — в путь!", 205, 282,
          {{kDisplayFace, 17}, hex(0xA8B0E0), hex(0x8890C0), 1.5, 0});
}

void safeCracked(cairo_t* cr) {
  // over the level: light rays, flying coins, the caption; most of the screen stays clear
  cairo_save(cr);
  cairo_translate(cr, 325, 250);
  for (int i = 0; i < 16; ++i) {
    cairo_rotate(cr, M_PI / 8);
    polygon(cr, {{0, 0}, {300, -26}, {300, 26}});
  }
  radialFill(cr, {0, 0}, 20, 300, {{0, hex(0xFFE680), 0.5}, {1, hex(0xFFE680), 0}});
  cairo_restore(cr);
  Rng rng(3);
  for (int i = 0; i < 14; ++i) {
    const double a = rng.range(0, 2 * M_PI), d = rng.range(110, 240);
    ellipse(cr, 325 + std::cos(a) * d, 250 + std::sin(a) * d * 0.8, 9, 9);
    shaded(cr, hex(0xF6CF5A), {315 + std::cos(a) * d, 240}, {335 + std::cos(a) * d, 260}, 1.4);
  }
  caption(cr, "Сейф вскрыт!", 325, 205, titleLook(64));
}

// The end of a won game: dawn over the rooftops, the burglar cheering on his loot.
void gameWon(cairo_t* cr) {
  nightSky(cr, {0, 0, kScreenW, 520}, hex(0x1E2062), hex(0xF2A65A));
  stars(cr, {0, 0, kScreenW, 200}, 30, 53);
  glow(cr, 400, 520, 380, hex(0xFFD27A), 0.6);
  ellipse(cr, 400, 520, 70, 70);
  setColor(cr, hex(0xFFE9A8));
  cairo_fill(cr);
  skyline(cr, kScreenW, 520, 130, 51, hex(0x3A2452));
  cairo_rectangle(cr, 0, 516, kScreenW, kScreenH - 516);
  gradientFill(cr, {0, 516}, hex(0x2A1E44), {0, kScreenH}, hex(0x120C22));
  cairo_new_path(cr);
  limb(cr, {{-10, 518}, {kScreenW + 10, 518}}, 6, hex(0x5A4678), 1.6);
  // the heap of loot: coins, notes, bars
  for (const double side : {120.0, 690.0}) {
    Rng rng(static_cast<uint64_t>(side));
    std::vector<Point> coins;
    for (int i = 0; i < 110; ++i) {
      const double dx = rng.range(-100, 100), top = 516 - 62 * (1 - dx * dx / 10000);
      coins.push_back({side + dx, rng.range(top, 516)});
    }
    std::sort(coins.begin(), coins.end(), [](Point a, Point b) { return a.y < b.y; });
    for (const Point& c : coins) {
      ellipse(cr, c.x, c.y, 9, 4);
      shaded(cr, hex(0xF6CF5A), {c.x - 9, c.y - 4}, {c.x + 9, c.y + 4}, 1.2);
    }
    placed(cr, side - 70, 488, 1.1, [&] { drawBanknote(cr, 1.0); });
    placed(cr, side + 20, 492, 1.0, [&] { drawBanknote(cr, 1.0); });
  }
  placed(cr, 62, 460 - 240, 2, [&] { drawBurglarCheering(cr); });
  placed(cr, 645, 462 - 110 * 1.4, 1.4, [&] { drawCat(cr, 4); });
  Rng sparkles(9);
  for (int i = 0; i < 24; ++i) {
    star(cr, sparkles.range(0, kScreenW), sparkles.range(180, 470), sparkles.range(3, 7), 1.2, 4);
    setColor(cr, {1, 1, 0.85}, 0.85);
    cairo_fill(cr);
  }
  caption(cr, "Поздравляем!", 400, 50, titleLook(64));
  caption(cr, "Все дома обчищены!", 400, 140, labelLook(40));
}

// The end of a lost game: police lights, the burglar behind bars, the guard keeping watch.
void gameLost(cairo_t* cr) {
  nightSky(cr, {0, 0, kScreenW, kScreenH}, hex(0x06061A), hex(0x1A1438));
  glow(cr, 120, 560, 300, hex(0xFF2A3A), 0.4);
  glow(cr, 680, 560, 300, hex(0x2A6AFF), 0.4);
  skyline(cr, kScreenW, 540, 120, 52, hex(0x0E0E24));
  stars(cr, {0, 0, kScreenW, 300}, 80, 54);
  placed(cr, 90, 320, 2, [&] { drawBurglarFrightened(cr); });
  for (double x = 70; x < 250; x += 30) limb(cr, {{x, 280}, {x, 560}}, 7, hex(0x7A8090), 1.6);
  limb(cr, {{60, 290}, {260, 290}}, 8, hex(0x7A8090), 1.6);
  placed(cr, 600, 330, 1.8, [&] { drawGuard(cr, 0); });
  caption(cr, "Игра окончена", 400, 60, titleLook(64));
}

}  // namespace

void addDialogs(Catalog& c, const Houses&) {
  c.add("scr_help", kHelpW, kHelpH, 1, [](cairo_t* cr, int) { helpGoal(cr); });
  c.add("scr_help2", kHelpW, kHelpH, 1, [](cairo_t* cr, int) { helpControls(cr); });
  c.add("scr_help3", kHelpW, kHelpH, 1, [](cairo_t* cr, int) { helpObjects(cr); });
  c.add("scr_opt", 760, 560, 1, [](cairo_t* cr, int) { optionsPanel(cr); });
  c.add("scr_hiscr", 694, 600, 1, [](cairo_t* cr, int) { scoresPanel(cr); });
  c.add("scr_clearhiscr", kDialogW, kDialogH, 1, [](cairo_t* cr, int) { clearDialog(cr); });
  c.add("scr_ExitTheGame", kDialogW, kDialogH, 1, [](cairo_t* cr, int) { exitDialog(cr); });
  c.add("yourscoreis", kDialogW, kDialogH, 1, [](cairo_t* cr, int) { scoreDialog(cr, false); });
  c.add("scr_send", kDialogW, kDialogH, 1, [](cairo_t* cr, int) { scoreDialog(cr, true); });
  c.add("scr_levcompl", 340, 520, 1, [](cairo_t* cr, int) { levelComplete(cr); });
  c.add("timesup", 340, 150, 1, [](cairo_t* cr, int) { timesUp(cr); });
  c.add("pause", 370, 120, 1, [](cairo_t* cr, int) { banner(cr, {0, 0, 370, 120}, "Пауза", 48); });
  c.add("scr_fasthelp", 410, 330, 1, [](cairo_t* cr, int) { quickHelp(cr); });
  c.add("seiftake", kScreenW, kScreenH, 1, [](cairo_t* cr, int) { safeCracked(cr); });
  c.add("gamecompl", kScreenW, kScreenH, 1, [](cairo_t* cr, int) { gameWon(cr); });
  c.add("lose", kScreenW, kScreenH, 1, [](cairo_t* cr, int) { gameLost(cr); });
}

}  // namespace nk::art
