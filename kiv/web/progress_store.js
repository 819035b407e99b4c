// The player's progress files, one a story, kept in the browser's IndexedDB
// (the first story's where the page has always kept it); every call answers
// exactly once, in time or as failed.
var ProgressStore = (function () {
  'use strict';
  var DATABASE = '/thalvorine-progress', VERSION = 21, TABLE = 'FILE_DATA', INDEX = 'timestamp';
  var FIRST_WORLD = 'lighthouse';  // the story the page kept alone before it held several
  function keyOf(world) { return DATABASE + (world === FIRST_WORLD ? '' : '/' + world) + '/game.dat'; }
  var FILE_MODE = 33206;   // a plain file, readable and writable by all
  var connection = null;   // the open database, dropped when the browser closes it
  var store = {onLost: null};

  // `answer` wrapped to be called once: by the first call, or after `ms`
  // with a TimeoutError if nothing called it before.
  function once(ms, answer) {
    var done = false;
    var timer = setTimeout(function () { finish(new DOMException('no answer', 'TimeoutError')); }, ms);
    function finish() {
      if (done) return;
      done = true;
      clearTimeout(timer);
      answer.apply(null, arguments);
    }
    return finish;
  }

  function forget(db) {
    if (connection !== db) return;
    connection = null;
    if (store.onLost) store.onLost();
  }

  function open(answer) {
    if (connection) return answer(null, connection);
    var request;
    try { request = indexedDB.open(DATABASE, VERSION); } catch (e) { return answer(e); }
    request.onupgradeneeded = function () {
      var db = request.result;
      var table = db.objectStoreNames.contains(TABLE) ? request.transaction.objectStore(TABLE)
                                                       : db.createObjectStore(TABLE);
      if (!table.indexNames.contains(INDEX)) table.createIndex(INDEX, INDEX, {unique: false});
    };
    request.onsuccess = function () {
      var db = request.result;
      connection = db;
      db.onclose = function () { forget(db); };   // the browser's data cleared meanwhile
      db.onversionchange = function () { db.close(); forget(db); };
      answer(null, db);
    };
    request.onerror = function (event) {
      event.preventDefault();
      answer(request.error);
    };
  }

  // Runs `work(table)` in one transaction; answers (error) or (null, what work returned).
  function transact(mode, work, answer) {
    open(function (error, db) {
      if (error) return answer(error);
      var transaction, result;
      try {
        transaction = db.transaction([TABLE], mode);
        result = work(transaction.objectStore(TABLE));
      } catch (e) {
        if (transaction) try { transaction.abort(); } catch (ignored) { /* already over */ }
        forget(db);
        return answer(e);
      }
      transaction.oncomplete = function () { answer(null, result); };
      transaction.onabort = function () {
        answer(transaction.error || new DOMException('aborted', 'AbortError'));
      };
    });
  }

  // Answers (error) if the browser keeps nothing or does not answer within
  // `ms`; else (null, keptFor), keptFor(world) giving the story's kept bytes,
  // or null when none are kept yet.
  store.load = function (ms, answer) {
    var finish = once(ms, answer);
    function readAll(table) {
      var range = IDBKeyRange.bound(DATABASE + '/', DATABASE + '/\uffff');
      return [table.getAllKeys(range), table.getAll(range)];
    }
    transact('readonly', readAll, function (error, requests) {
      if (error) return finish(error);
      var kept = {}, keys = requests[0].result, entries = requests[1].result;
      keys.forEach(function (key, i) { if (entries[i] && entries[i].contents) kept[key] = entries[i].contents; });
      finish(null, function (world) { return kept[keyOf(world)] ? new Uint8Array(kept[keyOf(world)]) : null; });
    });
  };

  // Keeps `bytes` as the story `world`'s progress file; answers (null) once they are kept,
  // else (error): QuotaExceededError when the browser's room is full,
  // TimeoutError after `ms`. A connection the browser has closed meanwhile
  // is opened again once.
  store.save = function (world, bytes, ms, answer) {
    var finish = once(ms, answer);
    function put(table) { return table.put({timestamp: new Date(), mode: FILE_MODE, contents: bytes}, keyOf(world)); }
    transact('readwrite', put, function (error) {
      if (!error || error.name === 'QuotaExceededError') return finish(error);
      transact('readwrite', put, finish);
    });
  };

  return store;
})();
