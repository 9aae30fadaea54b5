// The windows arrive here one by one.
