#pragma once
// What a test sets up inside the game window directly, where no input reaches quickly: the
// window opens exactly these parts to tests and to nothing else.
#include "app/form1.h"
#include "app/form_view.h"
#include "app/nk_font_text.h"

namespace nk {

struct FormProbe {
  explicit FormProbe(TForm1& form)
      : GameState(form.GameState),
        Play(form.Play),
        levelBuilder(form.levelBuilder),
        NkSprite1(*form.NkSprite1),
        NkScreen1(*form.NkScreen1),
        NkBitmapFont1(*form.NkBitmapFont1),
        Timer1(*form.Timer1),
        Sound3D(*form.Sound3D),
        ShareScreen(*form.ShareScreen),
        ShareList(*form.ShareList),
        menuFont(form.menuFont->font) {}

  TGameState& GameState;
  TPlayState& Play;
  LevelBuilder& levelBuilder;
  TNkSprite& NkSprite1;
  TNkScreen& NkScreen1;
  TNkBitmapFont& NkBitmapFont1;
  TTimer& Timer1;
  TNkSound3D& Sound3D;
  TShareScreen& ShareScreen;
  TNkImageList& ShareList;
  MenuTextFont*& menuFont;  // what the screens write with
};

}  // namespace nk
