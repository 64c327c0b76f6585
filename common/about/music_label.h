// The main window's music label 标签0: a click starts the main song and shows the caption,
// the next click stops the music and clears it.
#pragma once

namespace kestrum {

class Form;

// `musicOn` records whether the label last started the song; only this handler changes it, so
// a song that ended by itself or was stopped by the about window still counts as on.
void toggleMusic(bool& musicOn, Form& form);

}  // namespace kestrum
