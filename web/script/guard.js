// Inside another site's frame the page does nothing, so that no site can
// have the user tick its boxes unawares.
export function framedByAnotherSite() {
  let framed = window.top !== window.self;
  try {
    framed = framed && window.top.location.origin !== location.origin;
  } catch (e) { /* another origin's top: framed indeed */ }
  return framed;
}
