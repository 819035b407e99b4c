// The game as text on the page: what it says kept in a live region a screen
// reader announces, which the reading view shows reflowed, with menus as
// buttons to tap, a text field for the word, and keys on screen.
var Reading = (function () {
  'use strict';
  var MAX_ENTRIES = 400;                 // the oldest go first: a long game keeps a page of this size
  var VIEW_KEY = 'thalvorine-view';      // the view the player chose, kept in the browser
  // Narrow screens, and touch screens without a mouse, read by default.
  var NARROW = '(max-width: 479px), (hover: none) and (pointer: coarse)';
  var KINDS = ['text', 'title', 'prompt'];

  var story = document.getElementById('story');
  var field = document.getElementById('word');
  var fieldLabel = document.getElementById('word-label');
  var viewToggle = document.getElementById('view-toggle');
  var hooks = null;        // the page's: hand(keyName) a key to the game, choose(button), viewChanged(reading)
  var waiting = 'key';     // what the game waits for: 'key', 'word' or 'menu'
  var menu = null;         // the menu waiting: {buttons, selected, announced}
  var promptLine = null;   // the prompt waiting for its word
  var word = '';           // the word as the game has it so far
  var reading = false;

  function add(node) {
    story.appendChild(node);
    while (story.childElementCount > MAX_ENTRIES) story.removeChild(story.firstChild);
    story.scrollTop = story.scrollHeight;
    return node;
  }

  function element(tag, className, text) {
    var node = document.createElement(tag);
    if (className) node.className = className;
    if (text !== undefined) node.textContent = text;
    return node;
  }

  // The question before has had its answer: its menu stays as it was chosen.
  function answered() {
    if (menu) {
      menu.buttons.forEach(function (button) { button.disabled = true; });
      menu.buttons[menu.selected].classList.add('chosen');
    }
    menu = null;
    promptLine = null;
    waiting = 'key';
    setWord('');
  }

  function setWord(value) {
    word = value;
    if (field.value !== word) field.value = word;
  }

  // A text's lines as paragraphs (an empty line between them), each
  // paragraph's lines joined so that it reflows; a line that starts with a
  // mark (a list's "-") starts a line of its own.
  function sayText(text) {
    var paragraph = null;
    text.split('\n').forEach(function (line) {
      if (line === '') {
        paragraph = null;
      } else if (!paragraph) {
        paragraph = add(element('p', null, line));
      } else {
        if (/^[^\p{L}\p{N}]/u.test(line)) paragraph.appendChild(element('br'));
        else line = ' ' + line;
        paragraph.appendChild(document.createTextNode(line));
      }
    });
  }

  function say(kind, text) {
    answered();
    if (KINDS[kind] === 'text') {
      sayText(text);
    } else if (KINDS[kind] === 'title') {
      add(element('h2', null, text));
    } else {
      waiting = 'word';
      promptLine = add(element('p', 'prompt', text));
      fieldLabel.textContent = text;
      if (reading && document.activeElement !== field) field.focus({preventScroll: true});
    }
  }

  function sayMenu(lines, vertical) {
    answered();
    waiting = 'menu';
    var box = add(element('div', 'menu' + (vertical ? ' vertical' : '')));
    box.setAttribute('role', 'group');
    box.setAttribute('aria-label', 'Seçenekler');
    var buttons = lines.split('\n').map(function (name, i) {
      var button = box.appendChild(element('button', null, name));
      button.type = 'button';
      button.addEventListener('click', function () { if (!button.disabled) hooks.choose(i); });
      return button;
    });
    menu = {buttons: buttons, selected: 0, announced: -1};
  }

  // The selection is said each time it is on another button.
  function saySelected(index) {
    if (!menu || index < 0 || index >= menu.buttons.length) return;
    menu.buttons[menu.selected].removeAttribute('aria-current');
    menu.selected = index;
    menu.buttons[index].setAttribute('aria-current', 'true');
    if (menu.announced === index) return;
    menu.announced = index;
    add(element('p', 'unseen', 'Seçili: ' + menu.buttons[index].textContent));
  }

  // A key the game was given, from anywhere on the page: the word kept as
  // the game's line editor has it, and shown after its prompt once sent.
  function heard(keyName) {
    if (waiting !== 'word') return;
    if (keyName === 'Backspace') {
      setWord(Array.from(word).slice(0, -1).join(''));
    } else if (keyName === 'Enter') {
      promptLine.textContent += ' ' + word;
      setWord('');
    } else if (Array.from(keyName).length === 1 && keyName.trim() !== '') {
      setWord(word + keyName);
    }
  }

  // The text field's word handed to the game as the keys that make the
  // game's word the same: back to where they part, then the rest. What the
  // game has no key for leaves the field. While the game waits for no word,
  // what is typed is a key press and leaves the field at once.
  function typed() {
    var value = Array.from(field.value.replace(/\s+/g, ''));
    if (waiting !== 'word') {
      value.forEach(function (ch) { hooks.hand(ch); });
      field.value = '';
      return;
    }
    var had = Array.from(word), same = 0;
    while (same < had.length && same < value.length && had[same] === value[same]) same++;
    for (var i = same; i < had.length; i++) hooks.hand('Backspace');
    value.slice(same).forEach(function (ch) { hooks.hand(ch); });
    setWord(word);  // the field shows what the game took
  }

  // Keys in the text field: Enter sends the word; Esc, and the arrows outside
  // a word, go to the game; Backspace goes to it when the field has nothing
  // left to delete. The rest edit the field.
  function onFieldKey(event) {
    event.stopPropagation();  // not the console's keys
    if (event.isComposing || event.ctrlKey || event.metaKey) return;
    var name = event.key;
    var toGame = name === 'Enter' || name === 'Escape' || (name === 'Backspace' && field.value === '') ||
                 (waiting !== 'word' && /^Arrow/.test(name));
    if (!toGame) return;
    event.preventDefault();
    if (name === 'Enter') typed();
    hooks.hand(name);
  }

  function chooseView(toReading, remember) {
    reading = toReading;
    document.body.classList.toggle('reading', reading);
    viewToggle.setAttribute('aria-pressed', String(reading));
    if (remember) {
      try { localStorage.setItem(VIEW_KEY, reading ? 'reading' : 'console'); } catch (e) { /* not kept */ }
    }
    story.scrollTop = story.scrollHeight;
    hooks.viewChanged(reading);
  }

  function keptView() {
    try { return localStorage.getItem(VIEW_KEY); } catch (e) { return null; }
  }

  // Starts the text side of the page, before the game; `pageHooks` as `hooks` above.
  function start(pageHooks) {
    hooks = pageHooks;
    field.addEventListener('keydown', onFieldKey);
    field.addEventListener('input', function (event) { if (!event.isComposing) typed(); });
    field.addEventListener('compositionend', typed);
    document.getElementById('entry').addEventListener('submit', function (event) { event.preventDefault(); });
    Array.prototype.forEach.call(document.querySelectorAll('#screen-keys button'), function (button) {
      // A key on screen keeps the phone's keyboard open: the text field keeps the focus.
      button.addEventListener('pointerdown', function (event) { event.preventDefault(); });
      button.addEventListener('click', function () {
        if (button.dataset.key === 'Enter' && waiting === 'word') typed();
        hooks.hand(button.dataset.key);
      });
    });
    viewToggle.addEventListener('click', function () { chooseView(!reading, true); });
    var kept = keptView(), narrow = window.matchMedia(NARROW);
    chooseView(kept ? kept === 'reading' : narrow.matches, false);
    narrow.addEventListener('change', function () { if (!keptView()) chooseView(narrow.matches, false); });
  }

  return {
    start: start,
    say: say,
    sayMenu: sayMenu,
    saySelected: saySelected,
    heard: heard,
    isReading: function () { return reading; },
    // The game has ended: said, and nothing is asked any more.
    ended: function (text) { answered(); add(element('p', 'ended', text)); field.disabled = true; },
  };
})();
