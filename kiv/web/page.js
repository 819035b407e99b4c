// The page around the game: its screen, keyboard, sound, kept progress and
// high contrast, and a small API for tests (window.thalvorine). Runs before
// the game starts, after the text side of the page (reading_view.js).
var Page = (function () {
  'use strict';
  var COLUMNS = 80, ROWS = 25, CELLS = COLUMNS * ROWS;
  var WORLDS = '/worlds';                // the stories' folders: each a world and its game.dat
  var LOAD_WAIT_MS = 750;                // the game starts without the kept progress after this
  var SAVE_WAIT_MS = 5000;               // a save not confirmed by then has failed
  // The console's colours, Windows order: 1 blue, 2 green, 4 red, 8 bright.
  var PALETTE = ['#000000', '#000080', '#008000', '#008080', '#800000', '#800080', '#808000', '#c0c0c0',
                 '#808080', '#0000ff', '#00ff00', '#00ffff', '#ff0000', '#ff00ff', '#ffff00', '#ffffff'];
  // Block and shade characters drawn as filled cells, so that they join without gaps.
  var BLOCKS = {0x2588: 'full', 0x2580: 'upper', 0x2584: 'lower', 0x2591: 'light', 0x2592: 'medium', 0x2593: 'dark'};
  var BLINK_MS = 500;                    // the cursor's time shown, and hidden
  var CONTRAST_KEY = 'thalvorine-contrast';  // high contrast chosen, kept in the browser

  var screen = document.getElementById('screen');
  var note = document.getElementById('keys');
  var storageNote = document.getElementById('storage');
  var ended = document.getElementById('ended'), endedText = document.getElementById('ended-text');
  var cursor = document.createElement('div');
  var rows = [];
  var chars = new Uint16Array(CELLS).fill(0x20);
  var attrs = new Uint8Array(CELLS).fill(0x07);
  var cellWidth = 0, rowHeight = 0;
  var audio = null;
  var over = false;        // the game has ended: the screen stays as it was, still
  var contrastToggle = document.getElementById('contrast-toggle');
  var contrast = false;    // the console is drawn in high contrast
  var highContrast = null; // each attribute as high contrast draws it, from the game once it runs

  var page = {
    waiter: null,          // wakes the game while it waits for a key
    storage: false,        // the progress file can be kept in this browser
    kept: {},              // each story's progress file as the storage kept it, by story
    world: null,           // the story played, once chosen
    storing: null,         // the played story's progress file as last handed to the storage
    stored: null,          // ... and as the storage last confirmed
    saving: false,
    saveAgain: false,
    exitStatus: null,
    firstLetter: null,     // when the first letter was shown, from the page's start, and
                           // how long the game's tones before it lasted
    tones: [],             // every tone the game asked for: [frequency, ms, ms it sounds]
    sounded: 0,            // how many of them sounded through Web Audio
  };

  function addStyle() {
    var css = [];
    PALETTE.forEach(function (colour, i) {
      css.push('.f' + i + '{color:' + colour + ';--f:' + colour + '}',
               '.b' + i + '{background-color:' + colour + ';--b:' + colour + '}');
    });
    var style = document.createElement('style');
    style.textContent = css.join('\n');
    document.head.appendChild(style);
  }

  // The attribute as the page draws it: in high contrast, its mapped pair.
  function drawnAttr(attr) {
    if (!contrast || !Module.calledRun) return attr;
    if (!highContrast)
      highContrast = new Uint8Array(256).map(function (_, a) { return Module._thalvorine_high_contrast(a); });
    return highContrast[attr];
  }

  function drawRow(y) {
    var base = y * COLUMNS, spans = [];
    for (var x = 0; x < COLUMNS;) {
      // A run of one attribute and one kind of cell: text, or one kind of block drawn whole.
      var attr = attrs[base + x], block = BLOCKS[chars[base + x]], end = x + 1;
      while (end < COLUMNS && attrs[base + end] === attr && BLOCKS[chars[base + end]] === block) end++;
      var span = document.createElement('span'), drawn = drawnAttr(attr);
      span.className = 'f' + (drawn & 15) + ' b' + (drawn >> 4) + (block ? ' ' + block : '');
      span.textContent = String.fromCharCode.apply(null, chars.subarray(base + x, base + end));
      spans.push(span);
      x = end;
    }
    rows[y].replaceChildren.apply(rows[y], spans);
  }

  // Sizes the font so that 80 columns and 25 rows, and the line on the keys
  // below them, fit the window. A row is as high as the font's glyphs, so
  // that block characters join.
  function fit() {
    if (Reading.isReading()) return;  // the console is not shown
    var MIN_SIZE = 6;
    screen.style.fontSize = '100px';
    var probe = document.createElement('span');
    probe.textContent = 'M'.repeat(COLUMNS);
    screen.appendChild(probe);
    var box = probe.getBoundingClientRect(), wide = box.width / COLUMNS / 100, high = box.height / 100;
    screen.removeChild(probe);
    // The line on the keys grows with the font: measured at each size tried, from the widest down.
    var size = Math.max(MIN_SIZE, Math.floor(window.innerWidth / COLUMNS / wide));
    for (;;) {
      note.style.fontSize = Math.max(11, Math.round(size * 0.75)) + 'px';
      var tallest = Math.floor((window.innerHeight - note.offsetHeight - 16) / ROWS / high);
      if (size <= tallest || size === MIN_SIZE) break;
      size = Math.max(MIN_SIZE, tallest);
    }
    rowHeight = Math.floor(size * high);
    cellWidth = size * wide;
    screen.style.fontSize = size + 'px';
    screen.style.setProperty('--row', rowHeight + 'px');
    placeCursor();
  }

  var cursorAt = {x: 0, y: -1, visible: false};
  var blinking = null, blinkingAt = null;  // the cursor's blink timer while it is shown, and where
  function placeCursor() {
    var c = cursorAt, shown = c.visible && c.y >= 0 && !over;
    cursor.style.display = shown ? 'block' : 'none';
    var at = shown ? c.x + ',' + c.y : null;
    if (at !== blinkingAt) blink(at);
    if (!shown) return;
    cursor.className = 'cursor f' + (drawnAttr(attrs[c.y * COLUMNS + c.x]) & 15);
    cursor.style.left = (c.x * cellWidth) + 'px';
    cursor.style.top = (c.y * rowHeight) + 'px';
    cursor.style.width = cellWidth + 'px';
  }

  // Blinks the cursor from where it now is (null: hidden), starting shown:
  // its opacity changed twice a second, which the compositor alone redraws,
  // where an animation would restyle the page every frame.
  function blink(at) {
    clearInterval(blinking);
    blinking = null;
    blinkingAt = at;
    cursor.style.opacity = '1';
    if (at !== null) blinking = setInterval(function () {
      cursor.style.opacity = cursor.style.opacity === '0' ? '1' : '0';
    }, BLINK_MS);
  }

  page.show = function (newChars, newAttrs, cursorX, cursorY, cursorVisible) {
    for (var y = 0; y < ROWS; y++) {
      var from = y * COLUMNS, to = from + COLUMNS, changed = false;
      for (var i = from; i < to && !changed; i++) changed = chars[i] !== newChars[i] || attrs[i] !== newAttrs[i];
      if (!changed) continue;
      chars.set(newChars.subarray(from, to), from);
      attrs.set(newAttrs.subarray(from, to), from);
      drawRow(y);
    }
    cursorAt = {x: cursorX, y: cursorY, visible: cursorVisible !== 0};
    placeCursor();
    if (page.firstLetter === null && chars.some(function (c) { return c !== 0x20; }))
      page.firstLetter = {atMs: performance.now(),
                          tonesMs: page.tones.reduce(function (sum, tone) { return sum + tone[1]; }, 0)};
  };

  page.waitForKey = function (wakeUp) { page.waiter = wakeUp; };

  function wake() {
    var wakeUp = page.waiter;
    page.waiter = null;
    if (wakeUp) wakeUp();
  }

  // Draws the console in high contrast (the game's own mapping of every
  // attribute) or in its own colours; the choice is kept in the browser.
  function setHighContrast(on, remember) {
    contrast = on;
    contrastToggle.setAttribute('aria-pressed', String(on));
    if (remember) {
      try { localStorage.setItem(CONTRAST_KEY, on ? '1' : ''); } catch (e) { /* not kept */ }
    }
    for (var y = 0; y < ROWS; y++) drawRow(y);
    placeCursor();
  }

  function keptContrast() {
    try { return localStorage.getItem(CONTRAST_KEY) === '1'; } catch (e) { return false; }
  }

  // Hands a key to the game; true if it was one of the game's keys.
  function press(name) {
    if (!Module.calledRun || page.exitStatus !== null) return false;
    var size = lengthBytesUTF8(name) + 1, text = _malloc(size);
    stringToUTF8(name, text, size);
    var codes = Module._thalvorine_press(text);
    _free(text);
    return codes > 0;
  }

  // Hands a key to the game and wakes it; true if it was one of the game's keys.
  function hand(name) {
    unlockAudio();
    if (!press(name)) return false;
    Reading.heard(name);
    wake();
    return true;
  }

  function onKey(event) {
    // Keys with Ctrl, Alt or Meta belong to the browser; AltGr (Ctrl with Alt) types the game's letters.
    if (event.metaKey || event.ctrlKey !== event.altKey || event.isComposing) return;
    // A button of the page is the browser's to press with Enter or Space.
    if (event.target instanceof HTMLButtonElement && (event.key === 'Enter' || event.key === ' ')) return;
    if (hand(event.key)) event.preventDefault();
  }

  // Chooses a button of the menu waiting, as if moved to it and Enter pressed.
  function choose(button) {
    unlockAudio();
    if (Module.calledRun && page.exitStatus === null && Module._thalvorine_choose(button)) wake();
  }

  // The page shows the text or the console: as text, the game's pauses pass at once.
  function viewChanged(reading) {
    if (Module.calledRun) Module._thalvorine_set_reading(reading ? 1 : 0);
    fit();
  }

  // Sound is allowed from the first key on.
  function unlockAudio() {
    var Context = window.AudioContext || window.webkitAudioContext;
    if (!Context) return;
    if (!audio) audio = new Context();
    if (audio.state === 'suspended') audio.resume();
  }

  page.tone = function (frequency, ms, soundMs) {
    page.tones.push([frequency, ms, soundMs]);
    if (page.tones.length > 10000) page.tones.splice(0, 5000);  // the latest are enough
    if (!audio || audio.state !== 'running' || soundMs <= 0) return;
    var start = audio.currentTime, length = soundMs / 1000, edge = Math.min(0.005, length / 4);
    var oscillator = audio.createOscillator(), gain = audio.createGain();
    oscillator.type = 'sine';
    oscillator.frequency.value = frequency;
    gain.gain.setValueAtTime(0, start);
    gain.gain.linearRampToValueAtTime(0.2, start + edge);   // soft ends: no clicks
    gain.gain.setValueAtTime(0.2, start + length - edge);
    gain.gain.linearRampToValueAtTime(0, start + length);
    oscillator.connect(gain).connect(audio.destination);
    oscillator.start(start);
    oscillator.stop(start + length);
    page.sounded++;
  };

  function latin1(bytes) { return String.fromCharCode.apply(null, bytes); }

  // Says on the page how the player's progress is kept ('' when it is).
  function sayStorage(text) { storageNote.textContent = text ? ' (' + text + ')' : ''; }

  function progressPath(world) { return WORLDS + '/' + world + '/game.dat'; }

  // Before the game starts: each story's kept progress file over its world's
  // own. A browser that keeps nothing, or does not answer in time, plays without.
  function loadProgress() {
    addRunDependency('thalvorine-progress');
    ProgressStore.load(LOAD_WAIT_MS, function (error, keptFor) {
      if (error) {
        var late = error.name === 'TimeoutError';
        sayStorage(late ? 'Tarayıcı saklama isteğine yanıt vermedi; ilerlemen saklanmayacak.'
                        : 'Bu tarayıcı ilerlemeni saklamıyor.');
      } else {
        page.storage = true;
        var worlds = [];
        try { worlds = FS.readdir(WORLDS).filter(function (name) { return name[0] !== '.'; }); } catch (e) { /* none */ }
        worlds.forEach(function (world) {
          var kept = keptFor(world);
          if (kept) FS.writeFile(progressPath(world), kept);
          page.kept[world] = kept;
        });
      }
      removeRunDependency('thalvorine-progress');
    });
  }

  // The game plays the story `world`: its progress is the one kept from now on.
  page.playing = function (world) {
    page.world = world;
    page.storing = page.stored = page.kept[world] ? latin1(page.kept[world]) : null;
  };

  // The kept progress is gone (the browser's data cleared while playing): the next save writes it again.
  ProgressStore.onLost = function () { page.storing = page.stored = null; };

  function save(bytes) {
    var text = page.storing;
    page.saving = true;
    ProgressStore.save(page.world, bytes, SAVE_WAIT_MS, function (error) {
      page.saving = false;
      if (error) {
        page.storing = page.stored;  // the next save tries again
        sayStorage(error.name === 'QuotaExceededError' ? 'Tarayıcının saklama yeri dolu; ilerlemen saklanamadı.'
                                                       : 'İlerlemen bu tarayıcıda saklanamadı.');
      } else {
        page.stored = text;
        sayStorage('');
      }
      if (page.saveAgain) {
        page.saveAgain = false;
        page.keepProgress();
      }
    });
  }

  // Keeps the game's progress file in the browser when it has changed.
  page.keepProgress = function () {
    if (!page.storage || page.world === null) return;
    if (page.saving) {
      page.saveAgain = true;
      return;
    }
    var bytes;
    try { bytes = FS.readFile(progressPath(page.world)); } catch (e) { return; }
    var text = latin1(bytes);
    if (text === page.storing) return;
    page.storing = text;
    save(bytes);
  };

  // The game is over: the screen stays as it was, dimmed, under a plain word
  // that it has stopped and how to play again.
  function stop(text) {
    over = true;
    screen.classList.add('over');
    ended.hidden = false;
    endedText.textContent = text;
    placeCursor();
    Reading.ended(text);
  }

  page.ended = function (status) {
    page.exitStatus = status;
    page.keepProgress();
    stop('Oyun bitti. Yeniden oynamak için sayfayı yenile.');
  };

  function cellAt(x, y) {
    var spans = rows[y].children;
    for (var i = 0, start = 0; i < spans.length; start += spans[i].textContent.length, i++)
      if (x < start + spans[i].textContent.length) {
        var style = getComputedStyle(spans[i]);
        var attr = attrs[y * COLUMNS + x];
        return {ch: spans[i].textContent[x - start], attr: attr, shownAttr: drawnAttr(attr),
                color: style.color, background: style.backgroundColor};
      }
    return null;
  }

  // For tests: what they read, the page as shown and the game's state around it.
  window.thalvorine = {
    screenText: function () {
      return rows.map(function (row) { return row.textContent.replace(/ +$/, ''); }).join('\n');
    },
    cell: cellAt,
    cursor: function () { return cursorAt; },
    waitingForKey: function () { return page.waiter !== null; },
    keysRead: function () { return Module.calledRun ? Module._thalvorine_keys_read() : 0; },
    exitStatus: function () { return page.exitStatus; },
    tones: function () { return page.tones.slice(); },
    sounded: function () { return page.sounded; },
    progressFile: function () {
      if (page.world === null) return null;
      try { return latin1(FS.readFile(progressPath(page.world))); } catch (e) { return null; }
    },
    storedProgress: function () { return page.stored; },
    world: function () { return page.world; },
    palette: function () { return PALETTE.slice(); },
    firstLetter: function () { return page.firstLetter; },
    storyText: function () { return document.getElementById('story').innerText; },
  };

  addStyle();
  for (var y = 0; y < ROWS; y++) {
    var row = document.createElement('div');
    row.className = 'row';
    row.textContent = ' '.repeat(COLUMNS);
    rows.push(row);
    screen.appendChild(row);
  }
  cursor.className = 'cursor';
  screen.appendChild(cursor);
  Reading.start({hand: hand, choose: choose, viewChanged: viewChanged});
  window.addEventListener('resize', fit);
  document.addEventListener('keydown', onKey);
  contrastToggle.addEventListener('click', function () { setHighContrast(!contrast, true); });
  if (keptContrast()) setHighContrast(true, false);

  // ?world=NAME plays the story NAME without asking.
  var query = new URLSearchParams(location.search), world = query.get('world');
  Module['arguments'] = world ? ['--world', world] : [];
  if (Reading.isReading()) Module['arguments'].push('--reading');
  // For tests: ?speed=N (1 to 1000) shortens every pause N times, yet each still lasts; ?clock=SECONDS starts a
  // recording's clock, which moves only by the game's own pauses.
  var speed = query.get('speed'), clock = query.get('clock');
  if (speed) Module['arguments'].push('--speed', speed);
  if (clock) Module['arguments'].push('--clock', String(Math.round(parseFloat(clock) * 1000)));
  (Module['preRun'] = Module['preRun'] || []).push(loadProgress);  // after the world is in place
  Module['onAbort'] = function () { stop('Oyun bir hatayla durdu. Yeniden oynamak için sayfayı yenile.'); };
  return page;
})();
