package org.bukkit.event.inventory;

import org.bukkit.entity.HumanEntity;
import org.bukkit.event.Cancellable;
import org.bukkit.inventory.InventoryView;

/** A player does something in an open window; cancelled (DENY), the window is as before. */
public abstract class InventoryInteractEvent extends InventoryEvent implements Cancellable {
    private Result status = Result.DEFAULT;

    public InventoryInteractEvent(InventoryView transaction) {
        super(transaction);
    }

    public HumanEntity getWhoClicked() {
        return getView().getPlayer();
    }

    public void setResult(Result newResult) {
        status = newResult;
    }

    public Result getResult() {
        return status;
    }

    public boolean isCancelled() {
        return getResult() == Result.DENY;
    }

    public void setCancelled(boolean toCancel) {
        setResult(toCancel ? Result.DENY : Result.ALLOW);
    }
}
