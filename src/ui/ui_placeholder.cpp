// window helpers
