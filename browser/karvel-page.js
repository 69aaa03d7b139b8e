// SPDX-FileCopyrightText: 2026 The KARVEL developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The page around the program: starts it, says when it has ended, and keeps
// the user told about the copy that the service worker keeps for offline use.
'use strict';

function show(id)
{
    for (const notice of document.querySelectorAll('.notice'))
        notice.style.display = notice.id === id ? 'flex' : 'none';
}

function ended(message)
{
    document.getElementById('screen').replaceChildren();
    document.getElementById('end-message').textContent = message;
    show('ended');
    document.getElementById('start-again').focus();
}

// One line at the page's foot; an action, if given, is a button beside it.
function tell(message, action = null, onAction = null)
{
    document.getElementById('offline-message').textContent = message;
    const button = document.getElementById('offline-action');
    button.hidden = !action;
    button.textContent = action || '';
    button.onclick = onAction;
    document.getElementById('offline').hidden = false;
}

document.getElementById('offline-dismiss').addEventListener('click', () => {
    document.getElementById('offline').hidden = true;
});
document.getElementById('start-again').addEventListener('click', () => location.reload());
// EXIT: the program has closed its windows.
window.addEventListener('karvel-ended', () => ended('KARVEL has ended.'));

// On a screen narrower than the main window, a phone's, the window's text
// (11 CSS pixels) and its buttons (33 tall) are too small to read and tap
// as they are: the page opens magnified, at the calculator column on the
// window's right, beside its pictures.
const mainWindowWidth = 700;
const phoneScale = 1.4;
const onPhone = screen.width < mainWindowWidth;
if (onPhone)
    document.querySelector('meta[name="viewport"]').content = `width=device-width, initial-scale=${phoneScale}`;

function showCalculator(tries = 600)
{
    const root = document.getElementById('qt-shadow-container')?.shadowRoot;
    const mainWindow = root?.querySelector('.qt-window');
    if (mainWindow)
        mainWindow.scrollIntoView({block: 'start', inline: 'end'});
    else if (tries > 0)
        requestAnimationFrame(() => showCalculator(tries - 1));
}

// Qt takes the keyboard's text through an input element of its own, at the
// page's top left corner: focused there, it would scroll the magnified page
// away from the field being typed into. It goes where the user touches,
// narrow enough that its caret never leaves it.
window.addEventListener('pointerdown', event => {
    const input = document.querySelector('body > input');
    if (onPhone && input) {
        input.style.left = `${event.pageX}px`;
        input.style.top = `${event.pageY}px`;
        input.style.width = '1px';
    }
}, true);

async function start()
{
    try {
        await qtLoad({
            qt: {
                containerElements: [document.getElementById('screen')],
                entryFunction: window.karvel_entry,
                onLoaded: () => {
                    show(null);
                    if (onPhone)
                        showCalculator();
                },
                onExit: exit => ended(exit.crashed ? 'KARVEL has stopped: ' + exit.text : 'KARVEL has ended.'),
            },
        });
    } catch (error) {
        ended('KARVEL could not start: ' + error);
    }
}

// A worker that is installing either completes a verified copy or leaves
// the one there was.
function follow(worker, registration)
{
    worker.addEventListener('statechange', () => {
        if (worker.state === 'installed')
            kept(registration);
        else if (worker.state === 'redundant' && registration.waiting !== worker && registration.active !== worker)
            tell(navigator.serviceWorker.controller
                     ? 'A new version of KARVEL could not be fetched whole; this one goes on working, offline too.'
                     : 'KARVEL could not be kept for use without a network; it works while online.');
    });
}

function kept(registration)
{
    if (registration.waiting && navigator.serviceWorker.controller) {
        tell('A new version of KARVEL is ready.', 'Restart KARVEL', () => {
            navigator.serviceWorker.addEventListener('controllerchange', () => location.reload());
            registration.waiting.postMessage('activate');
        });
    } else {
        tell('KARVEL is ready to work without a network.');
        // Kept until the user removes it, not until the browser needs room.
        navigator.storage?.persist?.();
    }
}

async function keepOffline()
{
    if (!('serviceWorker' in navigator))
        return;
    try {
        const registration = await navigator.serviceWorker.register('service-worker.js');
        if (registration.waiting)
            kept(registration);
        // While the page was busy starting the program, the first worker may
        // have installed and taken over already: that is read off the
        // registration, as no event of it is left to come.
        if (registration.installing)
            follow(registration.installing, registration);
        else if (registration.active && !registration.waiting && !navigator.serviceWorker.controller)
            kept(registration);
        registration.addEventListener('updatefound', () => follow(registration.installing, registration));
        // A new release is looked for at each start; offline there is none.
        if (registration.active)
            registration.update().catch(() => {});
    } catch (error) {
        tell('KARVEL could not be kept for use without a network: ' + error.message);
    }
}

start();
keepOffline();
