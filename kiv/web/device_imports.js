// The page's side of the game's device seam: the functions web_device.cpp
// and app/web_main.cpp call, each handed on to the page (page.js) or its
// text side (reading_view.js).
mergeInto(LibraryManager.library, {
  thalvorine_show: function (chars, attrs, cursorX, cursorY, cursorVisible) {
    var cells = 80 * 25;
    Page.show(HEAPU16.subarray(chars >> 1, (chars >> 1) + cells), HEAPU8.subarray(attrs, attrs + cells),
              cursorX, cursorY, cursorVisible);
  },
  thalvorine_wait_for_key__deps: ['$Asyncify'],
  thalvorine_wait_for_key: function () {
    return Asyncify.handleSleep(function (wakeUp) { Page.waitForKey(wakeUp); });
  },
  thalvorine_tone: function (frequency, ms, soundMs) { Page.tone(frequency, ms, soundMs); },
  thalvorine_title: function (text) { document.title = UTF8ToString(text); },
  thalvorine_keep_progress: function () { Page.keepProgress(); },
  thalvorine_ended: function (status) { Page.ended(status); },
  thalvorine_playing: function (world) { Page.playing(UTF8ToString(world)); },
  thalvorine_say: function (kind, text) { Reading.say(kind, UTF8ToString(text)); },
  thalvorine_say_menu: function (buttons, vertical) { Reading.sayMenu(UTF8ToString(buttons), vertical !== 0); },
  thalvorine_say_selected: function (button) { Reading.saySelected(button); },
});
