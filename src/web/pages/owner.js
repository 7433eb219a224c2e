// Keeps the board's rows current without reloading the page: every five
// seconds the same rows are read again as JSON. Written into cells as text
// only, so nothing from the books can become markup.
(function () {
  "use strict";
  var board = document.getElementById("board");
  if (!board) return;
  var stamp = document.getElementById("stamp");
  var body = board.tBodies[0];

  function draw(data) {
    var rows = document.createDocumentFragment();
    data.rows.forEach(function (row) {
      var tr = document.createElement("tr");
      tr.className = row.due ? "inuse due" : row.inUse ? "inuse" : "free";
      row.cells.forEach(function (text, i) {
        var td = document.createElement("td");
        td.setAttribute("data-label", data.columns[i] || "");
        td.textContent = text;
        tr.appendChild(td);
      });
      rows.appendChild(tr);
    });
    body.replaceChildren(rows);
    if (stamp) stamp.textContent = data.now;
  }

  function refresh() {
    fetch("/board.json", { credentials: "same-origin", cache: "no-store" })
      .then(function (answer) {
        // A lapsed session answers with the login page: show it.
        if (answer.redirected || !answer.ok) { window.location.reload(); return null; }
        return answer.json();
      })
      .then(function (data) { if (data && data.rows) draw(data); })
      .catch(function () { /* the next round tries again */ });
  }
  window.setInterval(refresh, 5000);
})();
