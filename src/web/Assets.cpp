#include "web/Assets.h"

namespace kv7::web {

const std::string_view kStyleSheet = R"css(
body { font-family: sans-serif; margin: 0; background: #f3f4f1; color: #222; }
header { display: flex; flex-wrap: wrap; align-items: center; gap: 1em; padding: .5em 1em; background: #2f5d3a; color: #fff; }
header nav a { color: #fff; margin-right: 1.2em; font-weight: bold; text-decoration: none; }
header nav a:focus, header nav a:hover { text-decoration: underline; }
header form { margin: 0; }
header .lang { margin-left: auto; }
main { padding: 1em; }
.login { max-width: 22em; margin: 3em auto; background: #fff; padding: 1.5em; border-radius: 6px; }
.login label { display: block; margin: .6em 0; }
.login input { width: 100%; box-sizing: border-box; padding: .4em; }
.error { color: #a40000; font-weight: bold; }
.cards { display: flex; flex-wrap: wrap; gap: 1em; }
.card { background: #fff; border-radius: 6px; padding: 1em; width: 26em; box-shadow: 0 1px 3px #0003; }
.card h2 { margin: 0 0 .4em 0; font-size: 1.2em; }
.card.silent { opacity: .6; border: 2px solid #a40000; }
.card .silent-note { color: #a40000; font-weight: bold; }
.card dl { display: grid; grid-template-columns: auto 1fr; gap: .15em .8em; margin: 0 0 .6em 0; }
.card dt { color: #555; }
.card dd { margin: 0; }
.card table { border-collapse: collapse; width: 100%; margin-bottom: .6em; }
.card td, .card th { text-align: right; padding: .1em .4em; border-bottom: 1px solid #ddd; }
.card td:first-child, .card th:first-child { text-align: left; }
svg.classes { width: 100%; height: 12em; }
svg.classes text { font-size: 10px; fill: #333; }
.q1 { fill: #2f7d32; } .q2 { fill: #7cb342; } .q3 { fill: #fbc02d; } .q4 { fill: #ef6c00; }
.feed-state { color: #a40000; }
)css";

const std::string_view kScript = R"js(
'use strict';
(function () {
  // The language menu comes back to the page it was chosen on.
  document.querySelectorAll('form.lang').forEach(function (form) {
    form.elements.back.value = location.pathname + location.search;
    form.elements.lang.addEventListener('change', function () { form.submit(); });
  });

  var root = document.getElementById('machines');
  if (!root) return;
  var texts = JSON.parse(root.dataset.texts);
  var lang = document.documentElement.lang;
  var number = function (v, d) {
    return new Intl.NumberFormat(lang, { minimumFractionDigits: d, maximumFractionDigits: d }).format(v);
  };
  var say = function (key, arg) { return texts[key].replace('%1', arg); };
  var make = function (tag, cls, text) {
    var e = document.createElement(tag);
    if (cls) e.className = cls;
    if (text !== undefined) e.textContent = text;
    return e;
  };
  var svg = function (tag, attrs) {
    var e = document.createElementNS('http://www.w3.org/2000/svg', tag);
    Object.keys(attrs).forEach(function (k) { e.setAttribute(k, attrs[k]); });
    return e;
  };

  function parseData(d) {
    d = d || {};
    return { classes: d.classes || [], totals: d.totals || [], reject: d.reject || 0 };
  }

  // Stacked bars of the four qualities per class.
  function classChart(data) {
    var w = 400, h = 160, base = h - 18;
    var chart = svg('svg', { 'class': 'classes', viewBox: '0 0 ' + w + ' ' + h, role: 'img' });
    var n = Math.max(data.totals.length, 1);
    var sums = data.totals.map(function (q) { return q.reduce(function (a, b) { return a + b; }, 0); });
    var top = Math.max.apply(null, sums.concat([1]));
    var slot = w / n;
    data.totals.forEach(function (q, i) {
      var y = base;
      q.forEach(function (grams, k) {
        var hh = grams / top * (base - 4);
        y -= hh;
        chart.appendChild(svg('rect', { x: i * slot + slot * 0.15, y: y, width: slot * 0.7, height: hh, 'class': 'q' + (k + 1) }));
      });
      var label = svg('text', { x: i * slot + slot / 2, y: h - 4, 'text-anchor': 'middle' });
      label.textContent = (data.classes[i] && data.classes[i].name) || String(i + 1);
      chart.appendChild(label);
    });
    return chart;
  }

  function qualityTable(data) {
    var perQuality = [0, 0, 0, 0];
    data.totals.forEach(function (q) { q.forEach(function (g, k) { if (k < 4) perQuality[k] += g; }); });
    var total = perQuality.reduce(function (a, b) { return a + b; }, 0) + data.reject;
    var table = make('table');
    var row = function (name, grams) {
      var tr = make('tr');
      tr.appendChild(make('td', '', name));
      tr.appendChild(make('td', '', number(grams / 1000, 1) + ' kg'));
      tr.appendChild(make('td', '', total > 0 ? number(grams * 100 / total, 1) + ' %' : '-'));
      table.appendChild(tr);
    };
    perQuality.forEach(function (g, k) { row(say('quality', k + 1), g); });
    row(texts.reject, data.reject);
    row(texts.total, total);
    return table;
  }

  function card(m) {
    var c = make('section', m.answering ? 'card' : 'card silent');
    c.appendChild(make('h2', '', say('machine', m.machine)));
    if (!m.answering) c.appendChild(make('p', 'silent-note', texts.silent));
    var dl = make('dl');
    [['state', m.state], ['program', (m.program + ' ' + m.programName).trim()], ['batch', m.batch],
     ['producer', m.producer], ['production', number(m.productionKgPerHour, 0)], ['cupRate', number(m.cupsPerMinute, 0)],
     ['waiting', number(m.waiting, 0)], ['updated', m.updated.substring(0, 19)]].forEach(function (p) {
      dl.appendChild(make('dt', '', texts[p[0]]));
      dl.appendChild(make('dd', 'f-' + p[0], p[1]));
    });
    c.appendChild(dl);
    var data = parseData(m.data);
    c.appendChild(qualityTable(data));
    c.appendChild(classChart(data));
    return c;
  }

  var cards = document.getElementById('cards');
  var state = document.getElementById('feed-state');
  var source = new EventSource('/events/machines');
  source.onmessage = function (event) {
    var live = JSON.parse(event.data);
    state.textContent = live.error ? texts.archiveDown : (live.machines.length ? '' : texts.noMachines);
    cards.replaceChildren.apply(cards, live.machines.map(card));
  };
  source.onerror = function () { state.textContent = texts.reconnecting; };
})();
)js";

}  // namespace kv7::web
