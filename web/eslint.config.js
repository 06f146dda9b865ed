import js from '@eslint/js';
import globals from 'globals';

export default [
    js.configs.recommended,
    {
        files: ['page/**/*.js'],
        languageOptions: {
            sourceType: 'script',
            globals: { ...globals.browser, createAmsimEngine: 'readonly' },
        },
    },
    {
        // Node scripts; the tests also hand functions to the page to run there.
        files: ['**/*.mjs', 'eslint.config.js'],
        languageOptions: { sourceType: 'module', globals: { ...globals.node, ...globals.browser } },
    },
];
