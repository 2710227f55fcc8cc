"use strict";
// The audience pages: each follows the console's live state over /live and draws it.
// Everything shown is set as text, never as markup.
var audience = (function () {
  function byId(id) { return document.getElementById(id); }
  function setText(id, text) { var e = byId(id); if (e) { e.textContent = text || ""; } }
  function textSpan(className, text) {
    var span = document.createElement("span");
    span.className = className;
    span.textContent = text;
    return span;
  }
  function switches() {
    var on = {};
    new URLSearchParams(location.search).forEach(function (value, key) {
      on[key] = !/^(off|0|no|false|hide)$/i.test(value);
    });
    return function (name) { return on[name] !== false; };
  }

  function showBoard(s) {
    document.body.style.background = s.background;
    document.body.style.color = s.text;
    document.body.dataset.board = s.board;
    setText("title", s.title);
    setText("responder", s.responder);
    setText("team", s.team);
    setText("responder-score", s.responderScore);
    setText("second", s.second ? "Next: " + s.second : "");
    byId("responder-box").classList.toggle("live", !!s.responder);
    setText("timer", s.timer);
    setText("timer-kind", s.timerKind);
    setText("clock", s.clock);
    byId("clock").classList.toggle("stopped", !s.clockRunning);
    var list = byId("rows");
    list.className = "rows " + s.board;
    while (list.firstChild) { list.removeChild(list.firstChild); }
    s.rows.forEach(function (row) {
      var item = document.createElement("li");
      item.className = "row " + row.mark;
      item.appendChild(textSpan("name", row.name));
      item.appendChild(textSpan("score", row.score));
      list.appendChild(item);
    });
  }

  function showOverlay(s) {
    var on = switches();
    byId("responder-bar").hidden = !on("responder") || !s.responder;
    setText("responder", s.responder);
    setText("team", on("team") ? s.team : "");
    var scores = byId("scores");
    scores.hidden = !on("scores") || s.rows.length === 0;
    while (scores.firstChild) { scores.removeChild(scores.firstChild); }
    s.rows.forEach(function (row) {
      if (!row.name) { return; }
      var item = document.createElement("span");
      item.className = "pair " + row.mark;
      item.appendChild(textSpan("name", row.name));
      item.appendChild(textSpan("score", row.score));
      scores.appendChild(item);
    });
    setText("timer", on("timer") ? s.timer : "");
    setText("clock", on("clock") ? s.clock : "");
    byId("clock-bar").hidden = !on("clock") && !on("timer");
  }

  function showLog(s) {
    var body = byId("log");
    while (body.firstChild) { body.removeChild(body.firstChild); }
    s.log.slice().reverse().forEach(function (entry) {
      var tr = document.createElement("tr");
      var split = entry.splitMs === undefined ? "" : (entry.splitMs / 1000).toFixed(3) + " s";
      [String(entry.n), entry.name, entry.team, split].forEach(function (text) {
        var td = document.createElement("td");
        td.textContent = text;
        tr.appendChild(td);
      });
      body.appendChild(tr);
    });
    byId("empty").hidden = s.log.length > 0;
  }

  // Live updates over a WebSocket; while it is down, the state is read once a second.
  function follow(show) {
    var polling = null;
    function draw(text) {
      try { show(JSON.parse(text)); } catch (e) { return; }
      var off = byId("offline");
      if (off) { off.hidden = true; }
      document.body.dataset.updated = String(Date.now());
    }
    function poll() {
      fetch("/state", { cache: "no-store" }).then(function (r) { return r.text(); })
        .then(draw).catch(function () {
          var off = byId("offline");
          if (off) { off.hidden = false; }
        });
    }
    function connect() {
      var socket = new WebSocket((location.protocol === "https:" ? "wss://" : "ws://") + location.host + "/live");
      socket.onopen = function () { if (polling) { clearInterval(polling); polling = null; } };
      socket.onmessage = function (event) { draw(event.data); };
      socket.onclose = function () {
        if (!polling) { polling = setInterval(poll, 1000); }
        setTimeout(connect, 2000);
      };
    }
    poll();
    connect();
  }

  return { follow: follow, showBoard: showBoard, showOverlay: showOverlay, showLog: showLog };
})();
