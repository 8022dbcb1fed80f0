// Zirirur: an e-mail address field that refuses what cannot be an address (no "@", no domain
// with a dot, blanks inside) before the form is sent. An empty field is left to other checks.
function ZirirurEmailLooksRight(text) {
  return /^[^\s@]+@[^\s@.]+(\.[^\s@.]+)+$/.test(text);
}

function ZirirurCheckEmail(field) {
  var text = field.value.trim();
  var right = text === "" || ZirirurEmailLooksRight(text);
  field.setCustomValidity(right ? "" : "Please enter an e-mail address such as name@example.com.");
  return right;
}
