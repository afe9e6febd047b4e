// The page's elements by id, and what kind of screen it is on.
export const $ = (id) => document.getElementById(id);
export const touch = () => matchMedia('(pointer: coarse)').matches || navigator.maxTouchPoints > 0;
