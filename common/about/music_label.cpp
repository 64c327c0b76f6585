#include "common/about/music_label.h"

#include "common/charset.h"
#include "common/form/form.h"
#include "common/form/services.h"
#include "common/resources/embedded_data.h"

namespace kestrum {

void toggleMusic(bool& musicOn, Form& form) {
    Services& services = form.services();
    if (!musicOn) {
        services.playMidi(std::string(resources::mainSong()));
        musicOn = true;
        form.control("标签0").setCaption(gbk("★Maelis翻倍啦☆"));
    } else {
        services.stopMidi();
        musicOn = false;
        form.control("标签0").setCaption({});
    }
}

}  // namespace kestrum
