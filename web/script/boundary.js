// The rules' calls, the page's and the log's, as the modules declare them
// (web/PageCalls.h): the build writes BOUNDARY from those lists, so the
// script's side never disagrees.
export const BOUNDARY = '@BOUNDARY@';
export const STATUS = BOUNDARY.fields.status;
export const ERROR_CODE = BOUNDARY.fields.errorCode;
